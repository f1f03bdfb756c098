#pragma once

#include <QLabel>

// The font dialog's sample: the text in the chosen font and size, centred.
// Where it is larger than its box it is drawn smaller, whole, so that the
// face can still be judged; scale() says by how much.
class FontSample : public QLabel
{
    Q_OBJECT

public:
    FontSample(const QString &text, QWidget *parent);

    // 1 when the text fits its box at its own size, else the part of that
    // size it is drawn at.
    double scale() const;

Q_SIGNALS:
    // The font or the box changed, and with them perhaps the scale.
    void scaleChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
};
