#include "game/WinIndex.h"

#include "game/CallBoard.h"
#include "render/CardGeometry.h"

namespace {

constexpr int CellBits = 6;
constexpr std::uint32_t CellMask = (1u << CellBits) - 1;

bool completesAny(const std::vector<std::uint64_t> &masks, std::uint64_t called)
{
    for (std::uint64_t m : masks) {
        if ((called & m) == m)
            return true;
    }
    return false;
}

} // namespace

void WinIndex::call(int item, int callNumber)
{
    if (m_offsets.empty())
        return;
    const auto number = static_cast<std::uint32_t>(callNumber);
    for (std::uint32_t p = m_offsets[item]; p < m_offsets[item + 1]; ++p) {
        const std::uint32_t card = m_postings[p] >> CellBits;
        const int cell = static_cast<int>(m_postings[p] & CellMask);
        std::uint64_t &mask = m_masks[card];
        mask |= std::uint64_t{1} << cell;
        for (WinPattern pattern : AllWinPatterns) {
            std::uint32_t &first = m_firstWin[patternIndex(pattern)][card];
            if (first == 0 && completesAny(m_shapes.masksThrough(pattern, cell), mask))
                first = number;
        }
    }
}

void WinIndex::uncall(int item, int callNumber)
{
    if (m_offsets.empty())
        return;
    const auto number = static_cast<std::uint32_t>(callNumber);
    for (std::uint32_t p = m_offsets[item]; p < m_offsets[item + 1]; ++p) {
        const std::uint32_t card = m_postings[p] >> CellBits;
        m_masks[card] &= ~(std::uint64_t{1} << (m_postings[p] & CellMask));
        for (auto &firstWin : m_firstWin) {
            if (firstWin[card] == number)
                firstWin[card] = 0;
        }
    }
}

void WinIndex::clear()
{
    std::fill(m_masks.begin(), m_masks.end(), m_startMask);
    for (auto &firstWin : m_firstWin)
        std::fill(firstWin.begin(), firstWin.end(), 0);
}

std::vector<Winner> WinIndex::winners(WinPattern pattern) const
{
    std::vector<Winner> found;
    const auto &firstWin = m_firstWin[patternIndex(pattern)];
    for (std::size_t card = 0; card < firstWin.size(); ++card) {
        if (firstWin[card] != 0)
            found.push_back({static_cast<int>(card + 1), static_cast<int>(firstWin[card])});
    }
    return found;
}

std::size_t WinIndex::memoryBytes() const
{
    std::size_t bytes = m_offsets.capacity() * sizeof(std::uint32_t) + m_postings.capacity() * sizeof(std::uint32_t)
                        + m_masks.capacity() * sizeof(std::uint64_t);
    for (const auto &firstWin : m_firstWin)
        bytes += firstWin.capacity() * sizeof(std::uint32_t);
    return bytes;
}

WinIndexBuilder::WinIndexBuilder(const CallBoard &board, int side, bool freeSpace)
    : m_board(board),
      m_side(side),
      m_freeSpace(freeSpace)
{
}

void WinIndexBuilder::reserve(int cards)
{
    m_cellItems.reserve(static_cast<std::size_t>(cards) * static_cast<std::size_t>(m_side * m_side));
}

void WinIndexBuilder::addCard(const QStringList &cardCells)
{
    std::vector<int> items;
    items.reserve(std::size_t(cardCells.size()));
    for (const QString &text : cardCells)
        items.push_back(m_board.itemOf(text));
    addCardItems(items);
}

void WinIndexBuilder::addCardItems(std::span<const int> cellItems)
{
    const int cells = m_side * m_side;
    const int freeCell = freeSpaceCellNumber(m_side) - 1;
    Q_ASSERT(m_cards < (1 << (32 - CellBits)));
    std::size_t next = 0;
    for (int k = 0; k < cells; ++k) {
        if ((m_freeSpace && k == freeCell) || next >= cellItems.size())
            m_cellItems.push_back(-1);
        else
            m_cellItems.push_back(cellItems[next++]);
    }
    ++m_cards;
}

WinIndex WinIndexBuilder::finish()
{
    WinIndex index;
    index.m_shapes = WinShapes(m_side);
    if (m_freeSpace)
        index.m_startMask = std::uint64_t{1} << (freeSpaceCellNumber(m_side) - 1);
    const int cells = m_side * m_side;

    // A counting sort of the cells by item keeps each item's cards in card
    // order and needs no per-item allocations.
    auto &offsets = index.m_offsets;
    offsets.assign(static_cast<std::size_t>(m_board.size()) + 1, 0);
    for (std::int32_t item : m_cellItems) {
        if (item >= 0)
            ++offsets[static_cast<std::size_t>(item) + 1];
    }
    for (std::size_t i = 1; i < offsets.size(); ++i)
        offsets[i] += offsets[i - 1];
    index.m_postings.resize(offsets.back());
    std::vector<std::uint32_t> fill(offsets.begin(), offsets.end() - 1);
    for (std::size_t i = 0; i < m_cellItems.size(); ++i) {
        const std::int32_t item = m_cellItems[i];
        if (item < 0)
            continue;
        const auto card = static_cast<std::uint32_t>(i / static_cast<std::size_t>(cells));
        const auto cell = static_cast<std::uint32_t>(i % static_cast<std::size_t>(cells));
        index.m_postings[fill[static_cast<std::size_t>(item)]++] = (card << CellBits) | cell;
    }
    std::vector<std::int32_t>().swap(m_cellItems);

    index.m_masks.assign(static_cast<std::size_t>(m_cards), index.m_startMask);
    for (auto &firstWin : index.m_firstWin)
        firstWin.assign(static_cast<std::size_t>(m_cards), 0);
    m_cards = 0;
    return index;
}
