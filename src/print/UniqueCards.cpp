#include "print/UniqueCards.h"

#include "card/ArrangeCard.h"

#include <QHash>

#include <algorithm>

UniqueCards::UniqueCards(const QStringList &words, const CardSettings &settings, IRandomSource &random,
                         FaceCount possible)
    : m_words(words),
      m_settings(settings),
      m_random(random),
      m_possible(possible),
      m_shownCells(qsizetype(settings.side()) * settings.side() - (settings.freeSpace ? 1 : 0))
{
}

UniqueCards::Key UniqueCards::faceOf(const QStringList &cardCells) const
{
    // The cells show the first slots; past the end of the list they show blanks.
    const qsizetype shown = std::min(m_shownCells, cardCells.size());
    std::size_t a = 0x5EED0001;
    std::size_t b = 0x5EED0002;
    for (qsizetype i = 0; i < shown; ++i) {
        a = qHash(cardCells.at(i), a);
        b = qHash(cardCells.at(i), b ^ std::size_t(i + 1) * 0x100000001B3ULL);
    }
    return {std::uint64_t(a), std::uint64_t(b) ^ std::uint64_t(shown)};
}

UniqueCards::Key UniqueCards::faceOfPositions(const std::uint32_t *positions, qsizetype cellCount) const
{
    // As faceOf(), word by word.
    const qsizetype shown = std::min(m_shownCells, cellCount);
    std::size_t a = 0x5EED0001;
    std::size_t b = 0x5EED0002;
    for (qsizetype i = 0; i < shown; ++i) {
        const QString &word = m_words.at(positions[i]);
        a = qHash(word, a);
        b = qHash(word, b ^ std::size_t(i + 1) * 0x100000001B3ULL);
    }
    return {std::uint64_t(a), std::uint64_t(b) ^ std::uint64_t(shown)};
}

std::uint64_t UniqueCards::attemptsAllowed() const
{
    if (m_exhausted)
        return 0;
    const std::uint64_t made = m_faces.size();
    if (made >= m_possible.count)
        // Every face is made: only a lower bound leaves hope for more.
        return m_possible.exact ? 0 : MinAttempts;
    // A new face turns up once in possible / unseen tries on average; twenty
    // times that leaves a miss about as likely as e^-20, which keeps the
    // first cards of a nearly exhausted list all different.
    const std::uint64_t perNewFace = m_possible.count / (m_possible.count - made) + 1;
    const std::uint64_t generous = perNewFace > UINT64_MAX / 20 ? UINT64_MAX : perNewFace * 20;
    return std::max(MinAttempts, generous);
}

void UniqueCards::arrange(QStringList &cardCells, Arrangement how)
{
    // Every try draws the shown cells only, so a card's face comes from the
    // same draws however the card is kept; the card kept whole is completed
    // once its face is settled.
    std::vector<qsizetype> positions;
    const auto tryFace = [&] {
        ArrangeShownCells(m_words, m_settings.sizeIndex, m_settings.freeSpace, cardCells, m_random, &positions);
        return faceOf(cardCells);
    };
    settle(tryFace);
    if (how == Arrangement::Full)
        CompleteArrangement(m_words, positions, cardCells, m_random);
}
