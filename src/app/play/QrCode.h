#pragma once

#include <QString>
#include <QWidget>

#include <vector>

// The modules of a QR code, row by row, dark as true; width 0 when the text
// cannot be encoded.
struct QrMatrix
{
    int width = 0;
    std::vector<bool> dark;

    bool at(int x, int y) const { return dark[std::size_t(y * width + x)]; }
};

QrMatrix encodeQr(const QString &text);

// A QR code as large as its place allows, with the quiet zone around it that
// a phone's camera needs to find it from the back of a hall.
class QrCodeView : public QWidget
{
    Q_OBJECT

public:
    explicit QrCodeView(QWidget *parent = nullptr);

    void setText(const QString &text);
    const QrMatrix &matrix() const { return m_matrix; }
    QSize sizeHint() const override { return {320, 320}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QrMatrix m_matrix;
};
