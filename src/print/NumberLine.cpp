#include "print/NumberLine.h"

#include <QCoreApplication>
#include <algorithm>

QString numberLineText(const QString &card, const QString &code)
{
    return QCoreApplication::translate("NumberLine", "Card %1 · Game %2").arg(card, code);
}

QString numberLineText(std::uint64_t card, const QString &code)
{
    return numberLineText(QString::number(card), code);
}

QString numberLineText(CardKind kind, const QString &card, const QString &strip, const QString &code)
{
    if (kind != CardKind::Tickets90)
        return numberLineText(card, code);
    return QCoreApplication::translate("NumberLine", "Ticket %1 · Strip %2 · Game %3").arg(card, strip, code);
}

QString numberLineText(CardKind kind, std::uint64_t card, const QString &code)
{
    if (kind != CardKind::Tickets90)
        return numberLineText(QString::number(card), code);
    const std::uint64_t strip = (card - 1) / std::uint64_t(cardsPerDeal(kind)) + 1;
    return numberLineText(kind, QString::number(card), QString::number(strip), code);
}

int numberLineGap(int lineHeight, int pen)
{
    return std::max(pen, lineHeight / 4);
}

namespace {

struct Box
{
    long long left, top, right, bottom; // right and bottom exclusive

    Box grown(int by) const { return {left - by, top - by, right + by, bottom + by}; }
    bool overlaps(const Box &o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

Box boxOf(long long left, long long top, int width, int height)
{
    return {left, top, left + width, top + height};
}

class Page
{
public:
    Page(const PageGeometry &page, const CardPageLayout &layout, int columns, int rows, int width, int height)
        : m_page(page),
          m_width(width),
          m_height(height),
          m_gap(numberLineGap(height, page.pen))
    {
        const long long s = layout.cellSide;
        for (const CardSlot &slot : layout.slots)
            m_cards.push_back({slot.x, slot.y, slot.x + columns * s + page.pen, slot.y + rows * s + page.pen});
    }

    std::size_t cards() const { return m_cards.size(); }
    const Box &card(std::size_t i) const { return m_cards[i]; }

    Box beneath(std::size_t i) const
    {
        return boxOf(card(i).right - m_width, card(i).bottom + m_gap, m_width, m_height);
    }
    Box above(std::size_t i) const
    {
        return boxOf(card(i).right - m_width, card(i).top - m_gap - m_height, m_width, m_height);
    }
    long long shownBottom(std::size_t i) const { return std::min<long long>(card(i).bottom, m_page.height); }
    Box right(std::size_t i) const
    {
        return boxOf(card(i).right + m_gap, shownBottom(i) - m_height, m_width, m_height);
    }
    Box left(std::size_t i) const
    {
        return boxOf(card(i).left - m_gap - m_width, shownBottom(i) - m_height, m_width, m_height);
    }

    // Inside the printable area and clear of every grid and of the boxes given.
    bool free(const Box &b, const std::vector<Box> &taken) const
    {
        if (b.left < 0 || b.top < 0 || b.right > m_page.width || b.bottom > m_page.height)
            return false;
        const auto near = [&](const Box &other) { return b.overlaps(other.grown(m_gap)); };
        return std::none_of(m_cards.begin(), m_cards.end(), near) && std::none_of(taken.begin(), taken.end(), near);
    }

private:
    const PageGeometry &m_page;
    int m_width;
    int m_height;
    int m_gap;
    std::vector<Box> m_cards;
};

} // namespace

std::vector<NumberLinePlace> numberLinePlaces(const PageGeometry &page, const CardPageLayout &layout, int columns,
                                              int rows, int lineWidth, int lineHeight)
{
    const Page p(page, layout, columns, rows, lineWidth, lineHeight);
    // A card whose own place beneath is free keeps it: the others must not
    // take it from it.
    std::vector<Box> taken;
    for (std::size_t i = 0; i < p.cards(); ++i)
        if (p.free(p.beneath(i), {}))
            taken.push_back(p.beneath(i));

    std::vector<NumberLinePlace> places;
    for (std::size_t i = 0; i < p.cards(); ++i) {
        const Box own = p.beneath(i);
        const auto reserved = std::find_if(taken.begin(), taken.end(),
                                           [&](const Box &b) { return b.left == own.left && b.top == own.top; });
        Box chosen = own;
        bool rightAligned = true;
        if (reserved == taken.end()) {
            const std::pair<Box, bool> candidates[] = {{p.above(i), true}, {p.right(i), false}, {p.left(i), true}};
            for (const auto &[box, alignRight] : candidates) {
                if (p.free(box, taken)) {
                    chosen = box;
                    rightAligned = alignRight;
                    taken.push_back(box);
                    break;
                }
            }
        }
        places.push_back({{int(chosen.left), int(chosen.top), lineWidth, lineHeight}, rightAligned});
    }
    return places;
}
