#include "game/WinIndex.h"

#include "game/CallBoard.h"
#include "render/CardGeometry.h"

namespace {

constexpr int CellBits = 6;
constexpr std::uint32_t CellMask = (1u << CellBits) - 1;

constexpr std::uint32_t NotWon = 0;

} // namespace

void WinIndex::call(int item, int callNumber)
{
    if (m_offsets.empty())
        return;
    const auto number = static_cast<std::uint32_t>(callNumber);
    for (std::uint32_t p = m_offsets[item]; p < m_offsets[item + 1]; ++p) {
        const std::uint32_t card = m_postings[p] >> CellBits;
        const int cell = static_cast<int>(m_postings[p] & CellMask);
        CardState &state = m_cards[card];
        state.called |= std::uint64_t{1} << cell;
        if (!m_patterns)
            continue;
        const CellLines &lines = m_cellLines[std::size_t(cell)];
        for (std::size_t pattern = 0; pattern < state.firstWin.size(); ++pattern) {
            std::uint32_t &first = state.firstWin[pattern];
            if (first != NotWon)
                continue;
            for (std::size_t m = lines.begin[pattern]; m < lines.begin[pattern + 1]; ++m) {
                if ((state.called & lines.masks[m]) == lines.masks[m]) {
                    first = number;
                    break;
                }
            }
        }
    }
}

void WinIndex::uncall(int item, int callNumber)
{
    if (m_offsets.empty())
        return;
    const auto number = static_cast<std::uint32_t>(callNumber);
    for (std::uint32_t p = m_offsets[item]; p < m_offsets[item + 1]; ++p) {
        CardState &state = m_cards[m_postings[p] >> CellBits];
        state.called &= ~(std::uint64_t{1} << (m_postings[p] & CellMask));
        for (std::uint32_t &first : state.firstWin) {
            if (first == number)
                first = 0;
        }
    }
}

void WinIndex::clear()
{
    for (CardState &state : m_cards) {
        state.called = m_startMask;
        state.firstWin = {};
    }
}

std::vector<Winner> WinIndex::winners(WinPattern pattern) const
{
    std::vector<Winner> found;
    const auto p = std::size_t(patternIndex(pattern));
    for (std::size_t card = 0; card < m_cards.size(); ++card) {
        if (m_cards[card].firstWin[p] != 0)
            found.push_back({static_cast<int>(card + 1), static_cast<int>(m_cards[card].firstWin[p])});
    }
    return found;
}

std::size_t WinIndex::memoryBytes() const
{
    return m_offsets.capacity() * sizeof(std::uint32_t) + m_postings.capacity() * sizeof(std::uint32_t)
           + m_cards.capacity() * sizeof(CardState);
}

namespace {

CardShape squareShape(int side, bool freeSpace)
{
    CardShape shape;
    shape.columns = side;
    shape.bodyRows = side;
    shape.freeCell = freeSpace ? freeSpaceCellNumber(side) - 1 : -1;
    return shape;
}

} // namespace

WinIndexBuilder::WinIndexBuilder(const CallBoard &board, int side, bool freeSpace)
    : WinIndexBuilder(board, squareShape(side, freeSpace))
{
}

WinIndexBuilder::WinIndexBuilder(const CallBoard &board, const CardShape &shape) : m_board(board), m_shape(shape)
{
    Q_ASSERT(shape.bodyCellCount() <= (1 << CellBits));
}

void WinIndexBuilder::reserve(int cards)
{
    m_cellItems.reserve(static_cast<std::size_t>(cards) * static_cast<std::size_t>(m_shape.bodyCellCount()));
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
    const int cells = m_shape.bodyCellCount();
    Q_ASSERT(m_cards < (1 << (32 - CellBits)));
    std::size_t next = 0;
    for (int k = 0; k < cells; ++k) {
        if (k == m_shape.freeCell || next >= cellItems.size())
            m_cellItems.push_back(-1);
        else
            m_cellItems.push_back(cellItems[next++]);
    }
    ++m_cards;
}

WinIndex WinIndexBuilder::finish()
{
    WinIndex index;
    const bool square = m_shape.columns == m_shape.bodyRows && !m_shape.blankCells;
    index.m_shapes = WinShapes(square ? m_shape.columns : 5);
    index.m_columns = m_shape.columns;
    index.m_patterns = square;
    if (square) {
        index.m_cellLines.resize(std::size_t(index.m_shapes.cellCount()));
        for (int cell = 0; cell < index.m_shapes.cellCount(); ++cell) {
            WinIndex::CellLines &lines = index.m_cellLines[std::size_t(cell)];
            std::uint8_t next = 0;
            for (WinPattern pattern : AllWinPatterns) {
                lines.begin[std::size_t(patternIndex(pattern))] = next;
                for (std::uint64_t mask : index.m_shapes.masksThrough(pattern, cell))
                    lines.masks[next++] = mask;
            }
            lines.begin.back() = next;
        }
    }
    if (m_shape.freeCell >= 0)
        index.m_startMask = std::uint64_t{1} << m_shape.freeCell;
    const int cells = m_shape.bodyCellCount();

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
    index.m_cards.assign(static_cast<std::size_t>(m_cards), WinIndex::CardState{index.m_startMask, 0, {}});
    for (std::size_t i = 0; i < m_cellItems.size(); ++i) {
        if (m_cellItems[i] >= 0)
            index.m_cards[i / std::size_t(cells)].holding |= std::uint64_t{1} << (i % std::size_t(cells));
    }
    std::vector<std::int32_t>().swap(m_cellItems);
    m_cards = 0;
    return index;
}
