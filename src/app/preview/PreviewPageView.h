#pragma once

#include "app/preview/PageCards.h"
#include "print/PrintService.h"
#include "print/RecordedPage.h"

#include <QWidget>

#include <cstdint>

class CardPaintBox;

// One page of the preview on its sheet, at the scale it is given: the paper
// white on the window's dark background, the printable area's edge dotted,
// the page's drawing calls inside it. Each card on it stands in a box of
// its own over its grid, which paints nothing: a screen reader reads the
// cards there as the tables of their cells.
class PreviewPageView : public QWidget
{
    Q_OBJECT

public:
    // Around the sheet, in screen pixels.
    static constexpr int Border = 12;

    explicit PreviewPageView(QWidget *parent = nullptr);

    void setPage(RecordedPage page, const PaperSheet &sheet, const PrintableArea &area);
    // The cards read from the page, named from the first's number on.
    void setCards(QList<PageCard> cards, std::uint64_t firstNumber, bool tickets);
    QList<CardPaintBox *> cardBoxes() const { return m_boxes; }
    // Screen pixels per device pixel of the sheet.
    void setScale(qreal scale);
    qreal scale() const { return m_scale; }
    const PaperSheet &sheet() const { return m_sheet; }
    const RecordedPage &page() const { return m_page; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fitSize();
    void placeCards();

    RecordedPage m_page;
    PaperSheet m_sheet;
    PrintableArea m_area;
    qreal m_scale = 0.1;
    QList<PageCard> m_cards;
    QList<CardPaintBox *> m_boxes;
};
