#include "app/play/QrCode.h"

#include <QPainter>

#include <qrencode.h>

QrMatrix encodeQr(const QString &text)
{
    QrMatrix matrix;
    const QByteArray bytes = text.toUtf8();
    QRcode *code = QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M);
    if (!code)
        return matrix;
    matrix.width = code->width;
    matrix.dark.resize(std::size_t(code->width) * std::size_t(code->width));
    for (std::size_t i = 0; i < matrix.dark.size(); ++i)
        matrix.dark[i] = code->data[i] & 1u;
    QRcode_free(code);
    return matrix;
}

QrCodeView::QrCodeView(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(160, 160);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void QrCodeView::setText(const QString &text)
{
    m_matrix = encodeQr(text);
    setAccessibleDescription(text);
    update();
}

void QrCodeView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int side = std::min(width(), height());
    const QRect area((width() - side) / 2, (height() - side) / 2, side, side);
    painter.fillRect(area, Qt::white);
    if (m_matrix.width == 0)
        return;
    // Four modules of quiet zone each side; whole pixels a module, so every
    // module is as sharp on a projector as on paper.
    const int modules = m_matrix.width + 8;
    const int unit = std::max(1, side / modules);
    const int offsetX = area.x() + (side - unit * m_matrix.width) / 2;
    const int offsetY = area.y() + (side - unit * m_matrix.width) / 2;
    for (int y = 0; y < m_matrix.width; ++y)
        for (int x = 0; x < m_matrix.width; ++x)
            if (m_matrix.at(x, y))
                painter.fillRect(offsetX + x * unit, offsetY + y * unit, unit, unit, Qt::black);
}
