#pragma once

#include "card/CardSettings.h"
#include "card/RandomSource.h"
#include "card/SeededRandom.h"
#include "card/TicketDeck.h"
#include "print/FaceCount.h"
#include "print/UniqueCards.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>

// Where a job's cards come from: card k (1 to the job's count) as its cells,
// valid until the next call.
class ICardSource
{
public:
    virtual ~ICardSource() = default;
    virtual const QStringList &card(std::uint64_t k) = 0;
};

// The cards of a job made as it prints them, one after the other: from the
// job's own source, or, with a seed, each from the generator reseeded for its
// number as numbered games are, so the same seed makes the same cards again.
// The last card is arranged in full (the window keeps it); the others only as
// far as they show. Asked out of order, it throws std::logic_error.
class StreamCards : public ICardSource
{
public:
    // startCells is what the window's card held: slots a standard-number card
    // does not reach keep it, as they would there.
    StreamCards(const QStringList &words, const CardSettings &settings, FaceCount faces, std::uint64_t count,
                IRandomSource &plain, std::optional<std::uint64_t> seed, QStringList startCells);

    const QStringList &card(std::uint64_t k) override;
    // The last card made, in full once it is the job's last.
    QStringList &cells() { return m_cells; }

private:
    std::optional<std::uint64_t> m_seed;
    SeededRandomSource m_seeded;
    UniqueCards m_unique;
    std::uint64_t m_count;
    std::uint64_t m_made = 0;
    QStringList m_cells;
};

// The tickets of a job, strip by strip as TicketDeck deals them: from the
// job's own source, or with a seed as numbered games are, in which case they
// may be asked for in any order.
class TicketCards : public ICardSource
{
public:
    TicketCards(IRandomSource &plain, std::optional<std::uint64_t> seed) : m_deck(plain, seed) {}
    const QStringList &card(std::uint64_t k) override;
    QStringList &cells() { return m_cells; }

private:
    TicketDeck m_deck;
    QStringList m_cells;
};
