#include "app/CardPaintBox.h"

#include <QAccessible>
#include <QPainter>

CardPaintBox::CardPaintBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CardPaintBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_handler)
        m_handler(painter);
}

void CardPaintBox::cardChanged()
{
    update();
    QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}
