#pragma once

#include "game/WinCheck.h"
#include "play/CardFace.h"

#include <QWidget>

// A claimed card as the caller checks it: its cells, the called ones
// shaded, and each cell of the winning line framed.
class ClaimCardView : public QWidget
{
    Q_OBJECT

public:
    ClaimCardView(CardFace face, const CardCheck &check, QWidget *parent = nullptr);
    QSize sizeHint() const override { return {220, 220}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CardFace m_face;
    std::uint64_t m_called;
    std::uint64_t m_line = 0;
};
