#pragma once
// The main window: the working copy of card 1, from the start sequence to the save at exit.

#include "core/card_file.h"
#include "windows/frmtelefono_layout.h"

#include <memory>
#include <QPointer>
#include <QWidget>
#include <vector>

class AlarmPanel;
class Animations;
class CalendarPanel;
class Form2;
class Platform;
class ReportCommands;
class SlotEditor;
class TypesCommand;

struct NoticeStep;

class frmTelefono : public QWidget {
    Q_OBJECT
public:
    // When the controls are made: at once, or by start() once the start notices are given,
    // which then evaluates the card as the controls would show it. A start that ends at
    // Form1 or at an archive error then never builds them.
    enum class Build { Now, AfterNotices };

    explicit frmTelefono(Platform& platform,
                         std::unique_ptr<CardFile> cardFile = std::make_unique<CardFile>(),
                         QWidget* parent = nullptr, Build build = Build::Now);
    ~frmTelefono() override;

    enum class Stop { None, UserClosed, ArchiveError };

    // The start sequence, run before the window is first shown. False when the program
    // must end instead; stopReason() then says why.
    bool start();
    Stop stopReason() const { return m_stop; }

    Ui::frmTelefono ui;

    // The control that shows a card field (1..30).
    QLineEdit* fieldControl(int field) const;

signals:
    // The information window was made; its print picture is connected by the report.
    void form2Created(Form2* form2);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void fillTypeCombos();
    bool openArchive();
    bool readCard();
    void MostraRecordCorrente();
    // Names the archive, its folder and the reason; the program ends after it.
    void reportArchiveError(const QString& failed, const std::string& reason);
    bool SalvaRecordCorrente();
    // Colour steps are applied at once, or kept in held when the controls are not built yet.
    bool StartupNotices(std::vector<NoticeStep>* held);
    // The one place where a start's colour step reaches the controls.
    void applyColourStep(const NoticeStep& step);
    // The check and save shared by the exit button and a close of the window.
    bool checkAndSave();
    void leaveByExitButton();
    void openInformation();

    Platform& m_platform;
    std::unique_ptr<CardFile> m_cardFile;
    Stop m_stop = Stop::None;
    int CurrentCardNumber = 1;
    DeadlineCard m_card;
    bool m_ending = false;
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
