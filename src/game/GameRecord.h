#pragma once

#include "card/CardSettings.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>

// The record of a numbered game: everything its cards are made again from,
// and the calls made so far.
struct GameRecord
{
    // 1 kept the calls as plain lines; 2 keeps them as a checked journal.
    static constexpr int CurrentFormat = 2;
    // A job of 99,999 cards four to a page prints 100,000.
    static constexpr std::uint64_t MaxCards = 100000;
    // 99,999 tickets twelve to a page print 100,008.
    static constexpr std::uint64_t MaxTickets = 100008;
    static constexpr std::uint64_t maxCards(CardKind kind)
    {
        return kind == CardKind::Tickets90 ? MaxTickets : MaxCards;
    }

    int format = CurrentFormat;
    QString code;
    QDateTime created;
    // In list order, as the job arranged from them.
    QStringList entries;
    // The kind of card; size, free space and heading with their texts, word
    // wrap, and the card font the game was printed in.
    CardSettings settings;
    int cardsPerPage = 1;
    std::uint64_t cards = 0;
    std::uint64_t seed = 0;
    // The entries called so far, in call order.
    QStringList calls;
    // Read from a file whose last calls were damaged and left out: why, and
    // how many calls were kept. Empty otherwise.
    QString callsNotice;
};

// The cells a card of these settings shows, the free centre aside: the
// length of every regenerated card. A ticket's 27 cells count blanks too.
int shownCells(const CardSettings &settings);
