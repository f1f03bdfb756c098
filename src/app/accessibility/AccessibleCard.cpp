#include "app/accessibility/AccessibleCard.h"

#include "app/CardPaintBox.h"

#include <algorithm>

namespace {

// One cell of the card; a heading letter at row -1.
class AccessibleCardCell : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    AccessibleCardCell(const AccessibleCard *table, int row, int column) : m_table(table), m_row(row), m_column(column)
    {
    }

    bool isValid() const override { return m_table->box() != nullptr; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_table->window(); }
    QAccessibleInterface *parent() const override { return const_cast<AccessibleCard *>(m_table); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return m_table->cellRect(m_row, m_column); }
    QAccessible::Role role() const override { return m_row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return {};
        const CardTextTable table = m_table->box()->textTable();
        return m_row < 0 ? table.columnHeaders.value(m_column) : table.text(m_row, m_column);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        if (m_row >= 0 && m_table->box()->textTable().isCalled(m_row, m_column)) {
            s.checkable = true;
            s.checked = true;
        }
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        if (m_row < 0 || !m_table->hasHeading())
            return {};
        return {m_table->cellInterface(-1, m_column)};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return const_cast<AccessibleCard *>(m_table); }

private:
    const AccessibleCard *m_table;
    int m_row;
    int m_column;
};

} // namespace

AccessibleCard::AccessibleCard(CardPaintBox *box) : QAccessibleWidget(box, QAccessible::Table) {}

AccessibleCard::~AccessibleCard()
{
    dropCells();
}

void AccessibleCard::dropCells()
{
    for (QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}

CardPaintBox *AccessibleCard::box() const
{
    return static_cast<CardPaintBox *>(widget());
}

void *AccessibleCard::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

bool AccessibleCard::hasHeading() const
{
    return !box()->textTable().columnHeaders.isEmpty();
}

int AccessibleCard::rowCount() const
{
    return box()->textTable().rowCount();
}

int AccessibleCard::columnCount() const
{
    return box()->textTable().columnCount();
}

QString AccessibleCard::columnDescription(int column) const
{
    return box()->textTable().columnHeaders.value(column);
}

int AccessibleCard::childCount() const
{
    const CardTextTable table = box()->textTable();
    return (table.rowCount() + (table.columnHeaders.isEmpty() ? 0 : 1)) * table.columnCount();
}

QAccessibleInterface *AccessibleCard::child(int index) const
{
    const int columns = columnCount();
    if (index < 0 || index >= childCount() || columns == 0)
        return nullptr;
    const int firstRow = hasHeading() ? -1 : 0;
    return cellInterface(firstRow + index / columns, index % columns);
}

int AccessibleCard::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *cell = child ? const_cast<QAccessibleInterface *>(child)->tableCellInterface() : nullptr;
    if (!cell || child->parent() != this)
        return -1;
    const int firstRow = hasHeading() ? -1 : 0;
    return (cell->rowIndex() - firstRow) * columnCount() + cell->columnIndex();
}

QAccessibleInterface *AccessibleCard::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i)
        if (QAccessibleInterface *c = child(i); c && c->rect().contains(x, y))
            return c;
    return nullptr;
}

QAccessibleInterface *AccessibleCard::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return cellInterface(row, column);
}

QAccessibleInterface *AccessibleCard::cellInterface(int row, int column) const
{
    const QPair<int, int> key(row, column);
    auto it = m_cells.constFind(key);
    if (it != m_cells.constEnd())
        return QAccessible::accessibleInterface(*it);
    auto *cell = new AccessibleCardCell(this, row, column);
    m_cells.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

// The cells share the box evenly: a screen reader only needs to know where
// to point, not the card's exact grid.
QRect AccessibleCard::cellRect(int row, int column) const
{
    const QRect all = rect();
    const int columns = std::max(1, columnCount());
    const int rows = std::max(1, rowCount() + (hasHeading() ? 1 : 0));
    const int top = row + (hasHeading() ? 1 : 0);
    return QRect(all.left() + all.width() * column / columns, all.top() + all.height() * top / rows,
                 all.width() / columns, all.height() / rows);
}

void AccessibleCard::modelChange(QAccessibleTableModelChangeEvent *)
{
    dropCells();
}
