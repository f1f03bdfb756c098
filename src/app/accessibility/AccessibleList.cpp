#include "app/accessibility/AccessibleList.h"

#include <QWidget>

namespace {

class AccessibleListItem : public QAccessibleInterface
{
public:
    AccessibleListItem(const AccessibleList *list, int index) : m_list(list), m_index(index) {}

    bool isValid() const override { return m_list->alive(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_list->window(); }
    QAccessibleInterface *parent() const override { return const_cast<AccessibleList *>(m_list); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return m_list->rect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_list->entries().value(m_index).text : QString();
    }

    QAccessible::State state() const override
    {
        const ListEntry entry = m_list->entries().value(m_index);
        QAccessible::State s;
        s.readOnly = true;
        s.checkable = true;
        s.checked = entry.marked;
        s.focused = entry.current;
        return s;
    }

private:
    const AccessibleList *m_list;
    int m_index;
};

} // namespace

AccessibleList::AccessibleList(QWidget *widget, const QString &name, Source source)
    : QAccessibleWidget(widget, QAccessible::List),
      m_name(name),
      m_source(std::move(source))
{
}

QString AccessibleList::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return m_name;
    return QAccessibleWidget::text(t);
}

AccessibleList::~AccessibleList()
{
    for (QAccessible::Id id : std::as_const(m_items))
        QAccessible::deleteAccessibleInterface(id);
}

int AccessibleList::childCount() const
{
    return int(m_source().size());
}

QAccessibleInterface *AccessibleList::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    // Items stand for places in the list, so they outlive changes of it.
    while (m_items.size() <= index)
        m_items.append(QAccessible::registerAccessibleInterface(new AccessibleListItem(this, int(m_items.size()))));
    return QAccessible::accessibleInterface(m_items.at(index));
}

int AccessibleList::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < m_items.size(); ++i)
        if (QAccessible::accessibleInterface(m_items.at(i)) == child)
            return i < childCount() ? i : -1;
    return -1;
}
