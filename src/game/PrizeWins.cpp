#include "game/PrizeWins.h"

#include "game/WinIndex.h"

#include <algorithm>

namespace {

constexpr int CellBits = 6;
constexpr std::uint32_t CellMask = (1u << CellBits) - 1;
constexpr std::size_t Cells = std::size_t{1} << CellBits;

} // namespace

PrizeWins::PrizeWins(PrizeStages prizes, int cards)
    : m_prizes(std::move(prizes)),
      m_cards(cards),
      m_firstWin(m_prizes.size() * std::size_t(cards), 0)
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
    for (std::uint32_t holder : index.holders(item)) {
        const std::uint32_t card = holder >> CellBits;
        const std::size_t cell = holder & CellMask;
        const std::uint64_t covered = index.calledCells(int(card) + 1);
        for (std::size_t p = 0; p < m_prizes.size(); ++p) {
            std::uint32_t &first = m_firstWin[p * std::size_t(m_cards) + card];
            if (first != 0)
                continue;
            // Only a shape through the new cell can have become complete,
            // and only then can the count of complete shapes have grown.
            bool completed = false;
            for (std::uint64_t shape : m_through[p * Cells + cell]) {
                if ((covered & shape) == shape) {
                    completed = true;
                    break;
                }
            }
            if (completed && (m_prizes[p].atLeast == 1 || m_prizes[p].wonBy(covered)))
                first = number;
        }
    }
}

void PrizeWins::uncalled(const WinIndex &index, int item, int callNumber)
{
    const auto number = std::uint32_t(callNumber);
    for (std::uint32_t holder : index.holders(item)) {
        const std::uint32_t card = holder >> CellBits;
        for (std::size_t p = 0; p < m_prizes.size(); ++p) {
            std::uint32_t &first = m_firstWin[p * std::size_t(m_cards) + card];
            if (first == number)
                first = 0;
        }
    }
}

void PrizeWins::clear()
{
    std::fill(m_firstWin.begin(), m_firstWin.end(), 0);
}

int PrizeWins::earliestWin(int prize) const
{
    std::uint32_t earliest = 0;
    const auto begin = m_firstWin.begin() + std::ptrdiff_t(prize) * m_cards;
    for (auto it = begin; it != begin + m_cards; ++it) {
        if (*it != 0 && (earliest == 0 || *it < earliest))
            earliest = *it;
    }
    return int(earliest);
}
