#pragma once

#include "card/CardSettings.h"
#include "card/RandomSource.h"
#include "print/FaceCount.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <unordered_set>

// The faces one job has made, so that no two of its cards show the same
// entries in the same cells. A card that repeats an earlier face is arranged
// again, a bounded number of times, then allowed; once the job has made every
// face the list can give, a repeat is allowed at once.
class UniqueCards
{
public:
    // A card only printed needs its shown cells (ArrangeShownCells); the
    // card that stays in the window is arranged whole: its shown cells are
    // drawn the same way, then completed (CompleteArrangement). From the same
    // random state both give the same face, and the whole one is what
    // ArrangeCard would have made from the draws of its last try.
    enum class Arrangement { ShownCells, Full };

    // The fewest re-arrangements a card is given before a repeat is allowed.
    static constexpr std::uint64_t MinAttempts = 1000;

    UniqueCards(const QStringList &words, const CardSettings &settings, IRandomSource &random, FaceCount possible);

    // Arranges the next card of the job into cardCells until its face is new
    // or the bound is spent. Slots a standard-number card does not reach keep
    // what cardCells held, as ArrangeCard's do.
    void arrange(QStringList &cardCells, Arrangement how = Arrangement::Full);

    // What tells two faces apart.
    struct Key
    {
        std::uint64_t a;
        std::uint64_t b;
        bool operator==(const Key &) const = default;
    };

    // The same rule for a caller that draws its cards in a form of its own:
    // tryFace() draws one try of the next card and returns its face, and is
    // called again while the face repeats one the job made, as arrange()
    // does. Faces from arrange() and from here must not mix in one job.
    template <typename TryFace>
    void settle(TryFace &&tryFace);

    // The face of a card whose cardCells (cellCount of them) would hold the
    // words at these positions, first slot first: what arrange() tells
    // faces apart by, for a caller that keeps positions instead of texts.
    Key faceOfPositions(const std::uint32_t *positions, qsizetype cellCount) const;

    // Makes room for the faces of that many cards at once.
    void reserve(std::uint64_t cards) { m_faces.reserve(std::size_t(std::min(cards, m_possible.count))); }

    std::uint64_t rearrangements() const { return m_rearrangements; }
    std::uint64_t repeatsAllowed() const { return m_repeats; }

private:
    struct KeyHash
    {
        std::size_t operator()(const Key &k) const { return std::size_t(k.a ^ (k.b * 0x9E3779B97F4A7C15ULL)); }
    };

    Key faceOf(const QStringList &cardCells) const;
    // How many re-arrangements the next card may take.
    std::uint64_t attemptsAllowed() const;

    const QStringList &m_words;
    const CardSettings &m_settings;
    IRandomSource &m_random;
    FaceCount m_possible;
    qsizetype m_shownCells;
    bool m_exhausted = false;
    std::unordered_set<Key, KeyHash> m_faces;
    std::uint64_t m_rearrangements = 0;
    std::uint64_t m_repeats = 0;
};

template <typename TryFace>
void UniqueCards::settle(TryFace &&tryFace)
{
    Key face = tryFace();
    if (m_faces.count(face)) {
        const std::uint64_t allowed = attemptsAllowed();
        std::uint64_t tries = 0;
        while (tries < allowed && m_faces.count(face)) {
            face = tryFace();
            ++tries;
        }
        m_rearrangements += tries;
        if (m_faces.count(face)) {
            ++m_repeats;
            // A full search that found nothing new with an exact count means
            // the faces are used up, whatever the set says.
            if (m_possible.exact && allowed > MinAttempts)
                m_exhausted = true;
        }
    }
    m_faces.insert(face);
}
