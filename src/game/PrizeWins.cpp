#include "game/PrizeWins.h"

#include "game/WinIndex.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int CellBits = 6;
constexpr std::uint32_t CellMask = (1u << CellBits) - 1;
constexpr std::size_t Cells = std::size_t{1} << CellBits;

} // namespace

PrizeWins::PrizeWins(PrizeStages prizes, const WinIndex &index)
    : m_prizes(std::move(prizes)),
      m_cards(index.cardCount()),
      m_calls(std::size_t(index.itemCount()) + 1),
      m_firstWin(m_prizes.size() * std::size_t(m_cards), 0),
      m_firstWins(m_prizes.size() * m_calls, 0)
{
    m_through.resize(m_prizes.size() * Cells);
    for (std::size_t p = 0; p < m_prizes.size(); ++p) {
        for (std::size_t cell = 0; cell < Cells; ++cell) {
            for (std::uint64_t shape : m_prizes[p].shapes) {
                if (shape >> cell & 1)
                    m_through[p * Cells + cell].push_back(shape);
            }
        }
    }
}

void PrizeWins::called(const WinIndex &index, int item, int callNumber)
{
    const auto number = std::uint32_t(callNumber);
    const std::size_t prizes = m_prizes.size();
    if (prizes == 0)
        return;
    for (std::uint32_t holder : index.holders(item)) {
        const std::uint32_t card = holder >> CellBits;
        const std::size_t cell = holder & CellMask;
        const std::uint64_t covered = index.calledCells(int(card) + 1);
        const std::uint64_t holding = index.holdingCells(int(card) + 1);
        std::uint32_t *first = &m_firstWin[slot(0, int(card))];
        for (std::size_t p = 0; p < prizes; ++p) {
            if (first[p] != 0)
                continue;
            // Only a shape through the new cell can have become complete,
            // and only then can the count of complete shapes have grown.
            const Prize &prize = m_prizes[p];
            bool completed = false;
            for (std::uint64_t shape : m_through[p * Cells + cell]) {
                if (prize.completes(shape, covered, holding)) {
                    completed = true;
                    break;
                }
            }
            if (completed && (prize.atLeast == 1 || prize.wonBy(covered, holding))) {
                first[p] = number;
                ++countAt(p, number);
            }
        }
    }
}

void PrizeWins::uncalled(const WinIndex &index, int item, int callNumber)
{
    const auto number = std::uint32_t(callNumber);
    const std::size_t prizes = m_prizes.size();
    if (prizes == 0)
        return;
    for (std::uint32_t holder : index.holders(item)) {
        std::uint32_t *first = &m_firstWin[slot(0, int(holder >> CellBits))];
        for (std::size_t p = 0; p < prizes; ++p) {
            if (first[p] == number) {
                first[p] = 0;
                --countAt(p, number);
            }
        }
    }
}

void PrizeWins::clear()
{
    std::fill(m_firstWin.begin(), m_firstWin.end(), 0);
    std::fill(m_firstWins.begin(), m_firstWins.end(), 0);
}

int PrizeWins::earliestWin(int prize) const
{
    const auto begin = m_firstWins.begin() + std::ptrdiff_t(std::size_t(prize) * m_calls);
    const auto found = std::find_if(begin + 1, begin + std::ptrdiff_t(m_calls), [](std::uint32_t n) { return n != 0; });
    return found == begin + std::ptrdiff_t(m_calls) ? 0 : int(found - begin);
}

int PrizeWins::holdersBy(int prize, int call) const
{
    const auto begin = m_firstWins.begin() + std::ptrdiff_t(std::size_t(prize) * m_calls);
    const std::size_t last = std::min(std::size_t(std::max(call, 0)), m_calls - 1);
    return int(std::accumulate(begin + 1, begin + std::ptrdiff_t(last) + 1, std::uint64_t{0}));
}
