#include "app/ShortTextComboBox.h"

#include <QStylePainter>

ShortTextComboBox::ShortTextComboBox(QWidget *parent) : QComboBox(parent) {}

void ShortTextComboBox::paintEvent(QPaintEvent *event)
{
    const QVariant shortText = currentData(ShortTextRole);
    if (!shortText.isValid()) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = shortText.toString();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
