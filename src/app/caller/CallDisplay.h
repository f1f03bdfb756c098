#pragma once

#include <QString>
#include <QWidget>

// The current call, as large as its space allows: fitted by the card's own
// rules (shrunk a point at a time, two balanced lines where a long entry has
// a space), from a size that fills the height.
class CallDisplay : public QWidget
{
    Q_OBJECT

public:
    explicit CallDisplay(QWidget *parent = nullptr);

    // An empty call shows the hint instead, small and faint. Without
    // wrapping a call stays on one line ("B 7" reads as one call).
    void setCall(const QString &call, const QString &fontName, bool wrap);
    void setHint(const QString &hint);
    const QString &call() const { return m_call; }
    const QString &hint() const { return m_hint; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_call;
    QString m_fontName;
    QString m_hint;
    bool m_wrap = true;
};
