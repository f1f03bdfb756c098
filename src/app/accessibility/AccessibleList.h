#pragma once

#include <QAccessibleWidget>
#include <QList>

#include <functional>

// One entry of a list drawn by hand.
struct ListEntry
{
    QString text;
    bool marked = false;  // called, on the board
    bool current = false; // the latest call
};

// A widget that paints a list of entries, read as a list: one item per
// entry, marked ones checked, the latest call focused.
class AccessibleList : public QAccessibleWidget
{
public:
    using Source = std::function<QList<ListEntry>()>;
    // name is read where the widget has no accessible name of its own.
    AccessibleList(QWidget *widget, const QString &name, Source source);
    QString text(QAccessible::Text t) const override;
    ~AccessibleList() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QList<ListEntry> entries() const { return m_source(); }
    bool alive() const { return widget() != nullptr; }

private:
    QString m_name;
    Source m_source;
    mutable QList<QAccessible::Id> m_items;
};
