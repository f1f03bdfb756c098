#include "game/NumberedGame.h"

#include "card/WholeNumber.h"
#include "game/GameCode.h"
#include "game/GameFile.h"
#include "game/GameFolder.h"
#include "print/PageLayout.h"

#include <algorithm>

NumberedGame::NumberedGame(const PrintRequest &request, QString gamesFolder, std::uint64_t seed)
    : m_folder(std::move(gamesFolder))
{
    m_record.code = gameCode(seed);
    m_record.seed = seed;
    m_record.entries = request.words;
    m_record.settings = request.settings;
    // As the job prints it: too large a size counts as the largest, and the
    // canvas draws a size below one point at one point.
    m_record.settings.fontSize = std::max(1, clampedFontSize(request.settings.fontSize));
    // The job refuses a text that is no number before it begins.
    m_record.cardsPerPage = layoutCardsPerPage(request.settings.kind, strToIntDef(request.cardsPerPageText, 1));
    m_numbering.seed = seed;
    m_numbering.code = m_record.code;
    m_numbering.kind = request.settings.kind;
    m_numbering.documentEnded = [this](std::uint64_t cards) { documentEnded(cards); };
}

QString NumberedGame::path() const
{
    return gameFilePath(m_folder, m_record.code);
}

void NumberedGame::documentEnded(std::uint64_t cards)
{
    // A count of 0 ends an empty document: there is no game to keep.
    if (cards == 0)
        return;
    m_record.cards = cards;
    // Whole seconds, as the file keeps them.
    const QDateTime now = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
    m_record.created = now.toOffsetFromUtc(now.offsetFromUtc());
    writeGameRecord(path(), m_record);
    m_recorded = true;
}
