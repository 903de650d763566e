#include "accessibility/accessible_calendar.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>

namespace {

// QTableView numbers its cells for its focus and selection events as if both headers were
// shown, whether they are or not: the first row and the first column of the numbering are
// the headers, which the calendar hides.
int tableIndex(const QTableView* view, int row, int column)
{
    return (row + 1) * (view->model()->columnCount() + 1) + column + 1;
}

class CalendarCell : public QAccessibleInterface {
public:
    CalendarCell(QTableView* view, int row, int column) : m_view(view), m_row(row), m_column(column)
    {
    }
    bool isValid() const override { return m_view && grid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid() ? grid()->window() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return grid(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && grid() ? grid()->cellName(m_row, m_column) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!m_view)
            return QRect();
        const QRect r = m_view->visualRect(m_view->model()->index(m_row, m_column));
        return QRect(m_view->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override
    {
        return grid() ? grid()->cellRole(m_row, m_column) : QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!m_view || !m_view->isVisible())
            s.invisible = true;
        if (!grid() || role() != QAccessible::Cell)
            return s;
        const QCalendarWidget* calendar = grid()->calendar();
        const QDate date = grid()->dateAt(m_row, m_column);
        s.focusable = s.selectable = true;
        const QModelIndex current = m_view->currentIndex();
        s.focused = m_view->hasFocus() && current.row() == m_row && current.column() == m_column;
        if (calendar) {
            s.selected = date == calendar->selectedDate();
            s.disabled = date < calendar->minimumDate() || date > calendar->maximumDate();
        }
        return s;
    }

private:
    AccessibleCalendarGrid* grid() const
    {
        return m_view ? static_cast<AccessibleCalendarGrid*>(
                            QAccessible::queryAccessibleInterface(m_view.data()))
                      : nullptr;
    }
    QPointer<QTableView> m_view;
    int m_row, m_column;
};

class CurrentDayAnnouncer : public QObject {
public:
    explicit CurrentDayAnnouncer(QTableView* view) : QObject(view), m_view(view) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        // After the view's own focus event, which Qt sends once this one is handled.
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, this, [this] { announce(); });
        return false;
    }

private:
    void announce()
    {
        const QModelIndex current = m_view->currentIndex();
        if (!m_view->hasFocus() || !current.isValid() || !QAccessible::isActive())
            return;
        QAccessibleEvent focus(m_view, QAccessible::Focus);
        focus.setChild(tableIndex(m_view, current.row(), current.column()));
        QAccessible::updateAccessibility(&focus);
    }
    QTableView* m_view;
};

} // namespace

AccessibleCalendarGrid::AccessibleCalendarGrid(QTableView* view)
    : QAccessibleWidget(view, QAccessible::Table)
{
}

AccessibleCalendarGrid::~AccessibleCalendarGrid()
{
    for (QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
}

QTableView* AccessibleCalendarGrid::view() const
{
    return static_cast<QTableView*>(widget());
}

QCalendarWidget* AccessibleCalendarGrid::calendar() const
{
    // The view lies in the calendar's own frame.
    for (QWidget* w = view()->parentWidget(); w; w = w->parentWidget()) {
        if (auto* c = qobject_cast<QCalendarWidget*>(w))
            return c;
    }
    return nullptr;
}

int AccessibleCalendarGrid::firstDayRow() const
{
    const QCalendarWidget* c = calendar();
    return c && c->horizontalHeaderFormat() != QCalendarWidget::NoHorizontalHeader ? 1 : 0;
}

int AccessibleCalendarGrid::firstDayColumn() const
{
    const QCalendarWidget* c = calendar();
    return c && c->verticalHeaderFormat() == QCalendarWidget::ISOWeekNumbers ? 1 : 0;
}

int AccessibleCalendarGrid::childCount() const
{
    const QAbstractItemModel* m = view()->model();
    return m ? (m->rowCount() + 1) * (m->columnCount() + 1) : 0;
}

QAccessibleInterface* AccessibleCalendarGrid::child(int index) const
{
    const int columns = view()->model()->columnCount() + 1;
    const int row = index / columns - 1, column = index % columns - 1;
    // The view's own headers are hidden: no child there.
    if (index < 0 || index >= childCount() || row < 0 || column < 0)
        return nullptr;
    if (const auto id = m_cells.value(index))
        return QAccessible::accessibleInterface(id);
    auto* cell = new CalendarCell(view(), row, column);
    m_cells.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int AccessibleCalendarGrid::indexOfChild(const QAccessibleInterface* child) const
{
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
    return m_cells.key(id, -1);
}

QAccessibleInterface* AccessibleCalendarGrid::childAt(int x, int y) const
{
    const QModelIndex at = view()->indexAt(view()->viewport()->mapFromGlobal(QPoint(x, y)));
    return at.isValid() ? child(tableIndex(view(), at.row(), at.column())) : nullptr;
}

QAccessibleInterface* AccessibleCalendarGrid::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    if (!view()->hasFocus() || !current.isValid())
        return nullptr;
    return child(tableIndex(view(), current.row(), current.column()));
}

QAccessible::Role AccessibleCalendarGrid::cellRole(int row, int column) const
{
    if (row < firstDayRow())
        return QAccessible::ColumnHeader;
    if (column < firstDayColumn())
        return QAccessible::RowHeader;
    return QAccessible::Cell;
}

QDate AccessibleCalendarGrid::dateAt(int row, int column) const
{
    const QCalendarWidget* c = calendar();
    if (!c || cellRole(row, column) != QAccessible::Cell)
        return QDate();
    const int day = view()->model()->index(row, column).data().toInt();
    const QDate first(c->yearShown(), c->monthShown(), 1);
    // The grid shows the end of the month before in its first week rows and the start of
    // the month after in its last ones; the shown day number tells which.
    const int week = row - firstDayRow();
    if (week <= 1 && day > 20)
        return first.addMonths(-1).addDays(day - 1);
    if (week >= 4 && day < 15)
        return first.addMonths(1).addDays(day - 1);
    return first.addDays(day - 1);
}

QString AccessibleCalendarGrid::cellName(int row, int column) const
{
    const QCalendarWidget* c = calendar();
    if (!c)
        return QString();
    const QLocale locale = c->locale();
    switch (cellRole(row, column)) {
    case QAccessible::ColumnHeader: {
        if (column < firstDayColumn())
            return QString();
        const int day = (c->firstDayOfWeek() - 1 + column - firstDayColumn()) % 7 + 1;
        return locale.dayName(day, QLocale::LongFormat);
    }
    case QAccessible::RowHeader:
        return QStringLiteral("settimana ") + view()->model()->index(row, column).data().toString();
    default:
        return locale.toString(dateAt(row, column), QStringLiteral("dddd d MMMM yyyy"));
    }
}

void announceCurrentDayOnFocus(QTableView* view)
{
    view->installEventFilter(new CurrentDayAnnouncer(view));
}
