#pragma once

#include <QWidget>
#include <functional>

class QPainter;

// The sample card's paint box. It owns no state: its paint event hands the
// painter to the window's paint handler.
class CardPaintBox : public QWidget
{
    Q_OBJECT

public:
    using PaintHandler = std::function<void(QPainter &)>;
    explicit CardPaintBox(QWidget *parent = nullptr);
    void setPaintHandler(PaintHandler handler) { m_handler = std::move(handler); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PaintHandler m_handler;
};
