#pragma once
// The main window: the working copy of card 1, from a finished start to the save at exit.

#include "mainwindow/main_window_layout.h"
#include "mainwindow/startup.h"
#include "report/report_text.h"

#include <memory>
#include <QDate>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class AlarmPanel;
class Animations;
class CalendarPanel;
class InfoWindow;
class Platform;
class ReportCommands;
class SlotEditor;
class TypesCommand;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Made complete from the started card: the types, the card's texts, the notices' colours.
    MainWindow(Platform& platform, StartedCard started, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The control that shows a card field (1..30).
    QLineEdit* fieldControl(int field) const;

signals:
    // The information window was made; its print picture is connected by the report.
    void infoWindowCreated(InfoWindow* infoWindow);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    report::Rows reportRows() const;
    void fillTypeCombos();
    void showCurrentCard();
    bool saveCurrentCard();
    // The one place where a start's colour step reaches the controls.
    void applyColourStep(const NoticeStep& step);
    // The check and save shared by the exit button and a close of the window.
    bool checkAndSave();
    void leaveByExitButton();
    void openInformation();
    // A day other than the one the slots were judged on is judged like a start's.
    void scheduleDayCheck();
    void checkDay();
    void tellNewDay(QDate today);

    Ui::MainWindow ui;
    Platform& m_platform;
    std::unique_ptr<CardFile> m_cardFile;
    DeadlineCard m_card;
    QDate m_judgedOn;
    QTimer m_dayCheck;
    bool m_ending = false;
    QPointer<QWidget> m_infoWindow;
    // The window's features, each attached to its controls (one line each below and in
    // the constructor).
    std::unique_ptr<SlotEditor> m_slotEditor;
    std::unique_ptr<TypesCommand> m_typesCommand;
    std::unique_ptr<ReportCommands> m_reportCommands;
    std::unique_ptr<CalendarPanel> m_calendarPanel;
    std::unique_ptr<Animations> m_animations;
    std::unique_ptr<AlarmPanel> m_alarmPanel;
};
