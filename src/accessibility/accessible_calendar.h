#pragma once
// The month calendar's grid as a screen reader reads it.

#include <QAccessibleWidget>
#include <QDate>
#include <QHash>
#include <QPointer>

class QCalendarWidget;
class QTableView;

// Qt shows the grid as a table of numbers: Orca 43 reads a day as "9", a weekday heading by
// the number of its column, and every move to another week as the whole week. Here each day
// is named by its date ("mercoledì 9 dicembre 2026"), each heading by its weekday and each
// week number as a week; with no table interface, a reader says the day moved to, not its
// row. Children are numbered as the view's own focus and selection events number them.
class AccessibleCalendarGrid : public QAccessibleWidget {
public:
    explicit AccessibleCalendarGrid(QTableView* view);
    ~AccessibleCalendarGrid() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QTableView* view() const;
    // What the cell reads and its date (null for a heading or a week number).
    QString cellName(int row, int column) const;
    QDate dateAt(int row, int column) const;
    QAccessible::Role cellRole(int row, int column) const;
    QCalendarWidget* calendar() const;

private:
    int firstDayRow() const;
    int firstDayColumn() const;

    mutable QHash<int, QAccessible::Id> m_cells;
};

// Qt announces only the grid when it takes the focus: afterwards, its current day too.
void announceCurrentDayOnFocus(QTableView* view);
