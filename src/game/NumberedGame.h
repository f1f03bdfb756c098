#pragma once

#include "game/GameRecord.h"
#include "print/CardNumbering.h"
#include "print/PrintRequest.h"

#include <QString>

#include <cstdint>

// A numbered game about to be printed or exported: the numbering to hand to
// the card print job, which records the game in the games folder once every
// page is drawn and before the document is handed over; when the record
// cannot be kept, or handing over fails, nothing is kept and nothing is
// handed over. Entries too many or too long for a record that reads back
// are refused when the game is made (MorvaneError).
//
//   NumberedGame game(request, GamesPath(), newGameSeed(GamesPath()));
//   PrintContext context{service, prompts, random, progress, &game.numbering()};
//   printCards(request, cardCells, context);
class NumberedGame
{
public:
    NumberedGame(const PrintRequest &request, QString gamesFolder, std::uint64_t seed);
    NumberedGame(const NumberedGame &) = delete;
    NumberedGame &operator=(const NumberedGame &) = delete;

    const CardNumbering &numbering() const { return m_numbering; }
    const QString &code() const { return m_record.code; }
    QString path() const;
    // True once the record is written: what it holds.
    bool recorded() const { return m_recorded; }
    const GameRecord &record() const { return m_record; }

private:
    void documentEnding(std::uint64_t cards);
    void documentFailed();

    GameRecord m_record;
    QString m_folder;
    CardNumbering m_numbering;
    bool m_recorded = false;
    bool m_madeFolder = false;
};
