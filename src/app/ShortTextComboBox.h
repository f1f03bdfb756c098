#pragma once

#include <QComboBox>

// A combo box whose closed face may show a shorter text than its list: an
// item's ShortTextRole, when set, stands in for its text while the box is
// closed, so a long choice fits a narrow box and is read in full in the list.
class ShortTextComboBox : public QComboBox
{
    Q_OBJECT

public:
    static constexpr int ShortTextRole = Qt::UserRole + 1;

    explicit ShortTextComboBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
