#pragma once

#include "play/CardFace.h"
#include "play/ClaimCheck.h"

#include <QWidget>

// A claimed card as the caller checks it: its cells, the called ones
// shaded, and each cell that wins framed. A ticket's blank cells stay white.
class ClaimCardView : public QWidget
{
    Q_OBJECT

public:
    ClaimCardView(CardFace face, const ClaimCheck &check, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CardFace m_face;
    std::uint64_t m_called;
    std::uint64_t m_line = 0;
};
