#pragma once

#include "render/CardTextTable.h"

#include <QWidget>
#include <functional>

class QPainter;

// The sample card's paint box. It owns no state: its paint event hands the
// painter to the window's paint handler, and a screen reader that reads the
// card as a table asks the window's text handler.
class CardPaintBox : public QWidget
{
    Q_OBJECT

public:
    using PaintHandler = std::function<void(QPainter &)>;
    explicit CardPaintBox(QWidget *parent = nullptr);
    void setPaintHandler(PaintHandler handler) { m_handler = std::move(handler); }

    using TextHandler = std::function<CardTextTable()>;
    void setTextHandler(TextHandler handler) { m_textHandler = std::move(handler); }
    // The card's cells as text; an empty table without a text handler.
    CardTextTable textTable() const { return m_textHandler ? m_textHandler() : CardTextTable(); }
    // Repaints, and tells a screen reader that the cells changed.
    void cardChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PaintHandler m_handler;
    TextHandler m_textHandler;
};
