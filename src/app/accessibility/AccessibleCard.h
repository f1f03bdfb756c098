#pragma once

#include <QAccessibleWidget>
#include <QHash>

class CardPaintBox;

// A card as a table of its cells, under a row of column headers when the
// card has a heading. The cells are made when first asked for and live as
// long as the table.
class AccessibleCard : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit AccessibleCard(CardPaintBox *box);
    ~AccessibleCard() override;

    void *interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    QAccessibleInterface *cellAt(int row, int column) const override;
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override;
    int rowCount() const override;
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

    CardPaintBox *box() const;
    // Row -1 is the heading row.
    QAccessibleInterface *cellInterface(int row, int column) const;
    bool hasHeading() const;
    QRect cellRect(int row, int column) const;

private:
    void dropCells();

    mutable QHash<QPair<int, int>, QAccessible::Id> m_cells;
};
