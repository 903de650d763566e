#pragma once
// Date entry in the ten date boxes: the keystroke filter, the length check on leaving a
// box, and the calendar panel whose selected day a click copies into a date box.

#include "mainwindow/main_window_layout.h"

#include <QClipboard>
#include <QObject>
#include <QPointer>

class Platform;
class QAbstractItemView;
class QDropEvent;

class CalendarPanel : public QObject {
    Q_OBJECT
public:
    CalendarPanel(Ui::MainWindow& ui, Platform& platform, QWidget* window);

    bool isShown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Digits and Backspace pass; every other character becomes "/". True: key handled.
    bool filterDateKey(QLineEdit* box, const QKeyEvent* key);
    // A partly typed date, or a typed one that is no day of the calendar, cannot be left:
    // message, and the focus goes back to the box.
    void checkDateLength(QLineEdit* box, Qt::FocusReason reason);
    void copyCalendarDay(int slot);
    // Every paste into a date box, whatever its source, goes through the typing filter.
    void pasteInto(QLineEdit* box, QClipboard::Mode mode);
    void insertFiltered(QLineEdit* box, const QString& text);
    void showDateMenu(QLineEdit* box, const QPoint& where);
    bool dropFiltered(QLineEdit* box, QDropEvent* drop);
    // Enter in the calendar: the click on the date box that last had the focus.
    void enterCalendarDay();

    void openPanel();
    void closePanel();
    void selectToday();
    void showHelp();
    void setPanelVisible(bool visible);

    Ui::MainWindow& ui;
    Platform& m_platform;
    QWidget* m_window;
    // The box the focus is being given back to; other boxes' focus losses wait for it.
    QPointer<QLineEdit> m_returningTo;
    bool m_warning = false;
    // The control under the last left press, so a click is a press and release on it.
    QObject* m_pressed = nullptr;
    QAbstractItemView* m_calendarView = nullptr;
    int m_lastDateSlot = 0;
};
