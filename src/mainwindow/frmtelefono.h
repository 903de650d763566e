#pragma once
// The main window: the working copy of card 1, from the start sequence to the save at exit.

#include "core/card_file.h"
#include "windows/frmtelefono_layout.h"

#include <memory>
#include <QPointer>
#include <QWidget>

class AlarmPanel;
class Animations;
class CalendarPanel;
class Form2;
class Platform;
class ReportCommands;
class SlotEditor;
class TypesCommand;

class frmTelefono : public QWidget {
    Q_OBJECT
public:
    explicit frmTelefono(Platform& platform, QWidget* parent = nullptr);
    ~frmTelefono() override;

    // The start sequence, run before the window is first shown. False when the program
    // must end instead: the user chose "Chiudi", or the archive could not be opened.
    bool start();
    // After a false start: the program's exit status, 0 only when the user chose "Chiudi".
    int exitStatus() const { return m_exitStatus; }

    Ui::frmTelefono ui;

    // The control that shows a card field (1..30).
    QLineEdit* fieldControl(int field) const;

signals:
    // The information window was made; its print picture is connected by the report.
    void form2Created(Form2* form2);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fillTypeCombos();
    bool openArchive();
    void MostraRecordCorrente();
    bool SalvaRecordCorrente();
    bool StartupNotices();
    // The check and save shared by the exit button and a close of the window.
    bool checkAndSave();
    void leaveByExitButton();
    void openInformation();

    Platform& m_platform;
    CardFile m_cardFile;
    int CurrentCardNumber = 1;
    DeadlineCard m_card;
    bool m_ending = false;
    int m_exitStatus = 0;
    QPointer<QWidget> m_form2;
    // The window's features, each attached to its controls (one line each below and in
    // the constructor).
    std::unique_ptr<SlotEditor> m_slotEditor;
    std::unique_ptr<TypesCommand> m_typesCommand;
    std::unique_ptr<ReportCommands> m_reportCommands;
    std::unique_ptr<CalendarPanel> m_calendarPanel;
    std::unique_ptr<Animations> m_animations;
    std::unique_ptr<AlarmPanel> m_alarmPanel;
};
