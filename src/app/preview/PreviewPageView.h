#pragma once

#include "print/PrintService.h"
#include "print/RecordedPage.h"

#include <QWidget>

// One page of the preview on its sheet, at the scale it is given: the paper
// white on the window's dark background, the printable area's edge dotted,
// the page's drawing calls inside it.
class PreviewPageView : public QWidget
{
    Q_OBJECT

public:
    // Around the sheet, in screen pixels.
    static constexpr int Border = 12;

    explicit PreviewPageView(QWidget *parent = nullptr);

    void setPage(RecordedPage page, const PaperSheet &sheet, const PrintableArea &area);
    // Screen pixels per device pixel of the sheet.
    void setScale(qreal scale);
    qreal scale() const { return m_scale; }
    const PaperSheet &sheet() const { return m_sheet; }
    const RecordedPage &page() const { return m_page; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fitSize();

    RecordedPage m_page;
    PaperSheet m_sheet;
    PrintableArea m_area;
    qreal m_scale = 0.1;
};
