#pragma once

#include "card/CardSettings.h"
#include "card/SeededRandom.h"
#include "print/CardSource.h"
#include "print/FaceCount.h"
#include "print/UniqueCards.h"

#include <QHash>
#include <QStringList>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// The cards of a seeded job kept for drawing in any order: card k is the
// card StreamCards makes with the same seed, made with the same draws and
// the same unique-card rule, but as positions in the entry list rather than
// as strings. Cards are made in order when first asked for and kept, four
// bytes a shown cell: the cards of the largest job take about ten megabytes
// and are all made in a fraction of a second.
class KeptCards : public ICardSource
{
public:
    // startCells as for StreamCards.
    KeptCards(const QStringList &words, const CardSettings &settings, FaceCount faces, std::uint64_t count,
              std::uint64_t seed, const QStringList &startCells);
    KeptCards(const KeptCards &) = delete;
    KeptCards &operator=(const KeptCards &) = delete;

    // Card k's shown cells, the free centre taking none.
    const QStringList &card(std::uint64_t k) override;
    std::uint64_t count() const { return m_count; }
    std::uint64_t made() const { return m_made; }
    // Card k's shown cells as positions in texts(), made as card() makes
    // them; empty for a number outside the job. Valid until the next card
    // is made.
    std::span<const std::int32_t> cardIndices(std::uint64_t k);
    // The entries, each equal text at its first position, then any other
    // text a slot held.
    const QStringList &texts() const { return m_texts; }
    // How often the unique-card rule arranged a card again so far.
    std::uint64_t rearrangements() const { return m_unique.rearrangements(); }

private:
    using Index = std::int32_t;
    Index indexOf(const QString &text);
    void makeUpTo(std::uint64_t k);
    // One try of the next card into m_state, as ArrangeShownCells draws it.
    void drawShownCells();
    UniqueCards::Key face() const;

    QStringList m_texts; // the entries, then any other text a slot held
    QHash<QString, Index> m_index;
    std::vector<Index> m_canonical; // entry position -> first equal entry
    // Standard numbers: the entries column by column, in list order.
    std::vector<Index> m_columns;
    std::array<int, 6> m_columnStart{};
    bool m_tailUnseen = false;
    std::size_t m_shownSlots = 0;
    bool m_standard;
    int m_side;
    bool m_freeSpace;
    int m_shown;

    SeededRandomSource m_random;
    UniqueCards m_unique;
    std::uint64_t m_seed;
    std::uint64_t m_count;
    std::uint64_t m_made = 0;
    std::vector<Index> m_state; // the slots as the window's card would hold them
    std::vector<Index> m_cells; // m_shown per card made
    QStringList m_card;
};
