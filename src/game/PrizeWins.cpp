#include "game/PrizeWins.h"

#include "game/WinIndex.h"

#include <algorithm>
#include <bit>
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
      m_firstWins(m_prizes.size() * m_calls, 0),
      m_holders(m_prizes.size())
{
    for (std::size_t p = 0; p < m_prizes.size(); ++p) {
        for (std::size_t cell = 0; cell < Cells; ++cell) {
            m_throughBegin.push_back(std::uint32_t(m_through.size()));
            for (const Prize &prize : m_prizes) {
                std::uint64_t cells = 0;
                for (std::uint64_t shape : prize.shapes)
                    cells =
                        std::has_single_bit(shape) && cells != ~std::uint64_t{0} ? cells | shape : ~std::uint64_t{0};
                m_singleCells.push_back(cells == ~std::uint64_t{0} ? 0 : cells);
            }
            for (std::uint64_t shape : m_prizes[p].shapes) {
                if (shape >> cell & 1)
                    m_through.push_back(shape);
            }
        }
    }
    m_throughBegin.push_back(std::uint32_t(m_through.size()));
    for (const Prize &prize : m_prizes) {
        std::uint64_t cells = 0;
        for (std::uint64_t shape : prize.shapes)
            cells = std::has_single_bit(shape) && cells != ~std::uint64_t{0} ? cells | shape : ~std::uint64_t{0};
        m_singleCells.push_back(cells == ~std::uint64_t{0} ? 0 : cells);
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
            if (const std::uint64_t cells = m_singleCells[p]) {
                // A single cell asks for itself alone, or, when it must hold
                // an entry, also that it holds one.
                const std::uint64_t counted = prize.cover == Prize::Cover::Cells ? cells : cells & holding;
                if (std::popcount(covered & counted) >= prize.atLeast) {
                    first[p] = number;
                    ++countAt(p, number);
                    changed(p, number);
                }
                continue;
            }
            bool completed = false;
            const std::size_t through = p * Cells + cell;
            for (std::uint32_t s = m_throughBegin[through]; s < m_throughBegin[through + 1] && !completed; ++s)
                completed = prize.completes(m_through[s], covered, holding);
            if (completed && (prize.atLeast == 1 || prize.wonBy(covered, holding))) {
                first[p] = number;
                ++countAt(p, number);
                changed(p, number);
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
                changed(p, number);
            }
        }
    }
}

void PrizeWins::clear()
{
    std::fill(m_firstWin.begin(), m_firstWin.end(), 0);
    std::fill(m_firstWins.begin(), m_firstWins.end(), 0);
    for (Holders &holders : m_holders)
        holders.call = -1;
}

void PrizeWins::changed(std::size_t prize, std::uint32_t call)
{
    Holders &holders = m_holders[prize];
    if (holders.call >= int(call))
        holders.call = -1;
}

int PrizeWins::earliestWin(int prize) const
{
    const auto begin = m_firstWins.begin() + std::ptrdiff_t(std::size_t(prize) * m_calls);
    const auto found = std::find_if(begin + 1, begin + std::ptrdiff_t(m_calls), [](std::uint32_t n) { return n != 0; });
    return found == begin + std::ptrdiff_t(m_calls) ? 0 : int(found - begin);
}

const std::vector<int> &PrizeWins::holdersBy(int prize, int call) const
{
    Holders &holders = m_holders[std::size_t(prize)];
    if (holders.call == call)
        return holders.cards;
    const auto counts = m_firstWins.begin() + std::ptrdiff_t(std::size_t(prize) * m_calls);
    const std::size_t last = std::min(std::size_t(std::max(call, 0)), m_calls - 1);
    holders.cards.clear();
    holders.cards.reserve(std::accumulate(counts + 1, counts + std::ptrdiff_t(last) + 1, std::size_t{0}));
    const std::size_t prizes = m_prizes.size();
    const auto upTo = std::uint32_t(call);
    for (std::size_t k = 0, slot = std::size_t(prize); k < std::size_t(m_cards); ++k, slot += prizes) {
        if (m_firstWin[slot] != 0 && m_firstWin[slot] <= upTo)
            holders.cards.push_back(int(k) + 1);
    }
    holders.call = call;
    return holders.cards;
}
