#include "mainwindow/main_window.h"

#include "accessibility/screen_reader.h"
#include "alarm/alarm_panel.h"
#include "core/slot_table.h"
#include "info/info_window.h"
#include "mainwindow/animations.h"
#include "mainwindow/calendar_panel.h"
#include "mainwindow/slot_editor.h"
#include "platform/platform.h"
#include "report/report_commands.h"
#include "types/types_command.h"
#include "types/types_file.h"
#include "widgets/core_values.h"
#include "widgets/look.h"
#include "widgets/window_state.h"

#include <QCloseEvent>
#include <QDir>
#include <QShortcut>

MainWindow::MainWindow(Platform& platform, StartedCard started, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_cardFile(std::move(started.file)),
      m_card(std::move(started.card)), m_judgedOn(started.judgedOn)
{
    ui.setupUi(this);
    // The window's features.
    m_slotEditor = std::make_unique<SlotEditor>(ui, m_platform, this);
    TypesCommand::Combos combos;
    for (std::size_t i = 0; i < combos.size(); ++i)
        combos[i] = ui.rows[i].type;
    m_typesCommand = std::make_unique<TypesCommand>(ui.cmdList, combos, m_platform, this);
    m_reportCommands = std::make_unique<ReportCommands>(
        *this, [this] { return reportRows(); }, ui.Command2, ui.Command3, ui.ProgressBar1,
        m_platform);
    m_calendarPanel = std::make_unique<CalendarPanel>(ui, m_platform, this);
    m_animations = std::make_unique<Animations>(ui, m_platform, this);
    m_alarmPanel = std::make_unique<AlarmPanel>(ui.alarm, ui.Command5, ui.tmrAll, m_platform, this);
    // The pointer over the window around the alarm's picture.
    for (MouseLabel* around : {ui.Image1, ui.Label2, ui.Label4, ui.Label5, ui.Label6})
        connect(around, &MouseLabel::mouseMoved, m_alarmPanel.get(), &AlarmPanel::calmActiveLabel);
    connect(ui.cmdEsci, &QPushButton::clicked, this, &MainWindow::leaveByExitButton);
    connect(ui.Label1, &MouseLabel::clicked, this, &MainWindow::openInformation);
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this,
            &MainWindow::openInformation);

    fillTypeCombos();
    showCurrentCard();
    for (const NoticeStep& step : started.colours)
        applyColourStep(step);
    ui.Timer2->start();
    ui.Label5->setText(shortDateText(m_judgedOn));

    m_dayCheck.setParent(this);
    m_dayCheck.setObjectName("dayCheck");
    m_dayCheck.setSingleShot(true);
    connect(&m_dayCheck, &QTimer::timeout, this, &MainWindow::checkDay);
    scheduleDayCheck();
}

MainWindow::~MainWindow() = default;

QLineEdit* MainWindow::fieldControl(int field) const
{
    const SlotBinding& b = kSlots[slotOfField(field) - 1];
    const SlotControls& s = ui.rows[b.slot - 1];
    return field == b.dateField ? s.date : field == b.textField ? s.text : s.days;
}

report::Rows MainWindow::reportRows() const
{
    report::Rows rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = {ui.rows[i].date->text().toStdString(), ui.rows[i].text->text().toStdString()};
    return rows;
}

void MainWindow::fillTypeCombos()
{
    std::vector<std::string> entries;
    const QString file = QDir(m_platform.programFolder()).filePath("lista.txt");
    // Without a readable list the combos stay empty and the start goes on.
    if (!typesfile::readEntries(localPath(file), entries))
        entries.clear();
    QStringList types;
    for (const std::string& entry : entries)
        types << QString::fromStdString(entry);
    for (SlotControls& s : ui.rows)
        s.type->addItems(types);
    for (SlotControls& s : ui.rows) {
        if (!types.isEmpty())
            s.type->setCurrentIndex(0);
    }
    // An empty field with no entry chosen: the first Down picks the first type.
    for (SlotControls& s : ui.rows)
        s.type->setCurrentIndex(-1);
}

void MainWindow::showCurrentCard()
{
    for (int field = 1; field <= DeadlineCard::FieldCount; ++field)
        fieldControl(field)->setText(QString::fromStdString(m_card.fields[field - 1]));
}

bool MainWindow::saveCurrentCard()
{
    for (int field = 1; field <= DeadlineCard::FieldCount; ++field)
        m_card.fields[field - 1] = fieldControl(field)->text().toStdString();
    const IoResult written = m_cardFile->write(kShownCard, m_card);
    if (!written) {
        m_platform.message(this,
                           QStringLiteral("Le scadenze NON sono state salvate in %1.\r\n"
                                          "Motivo: %2\r\n\r\nLe modifiche restano nella finestra: "
                                          "liberare spazio o sistemare il file, poi uscire di "
                                          "nuovo.")
                               .arg(kArchiveName, QString::fromStdString(written.reason)),
                           Platform::Icon::Warning);
    }
    return bool(written);
}

void MainWindow::applyColourStep(const NoticeStep& step)
{
    const SlotControls& s = ui.rows[step.slot - 1];
    QWidget* box = step.kind == NoticeStep::Kind::ColourDaysBox ? s.days : s.date;
    setBackColour(box, QColor(step.colour.r, step.colour.g, step.colour.b));
    // Where high contrast takes the colours away, the three states stay apart.
    setEmphasis(box, step.colour == DueTodayColour  ? Emphasis::Highlight
                     : step.colour == DueSoonColour ? Emphasis::Frame
                                                    : Emphasis::DashedFrame);
    describeSlotState(s.date, step.colour);
}

void MainWindow::scheduleDayCheck()
{
    // Just past each minute of the wall clock: midnight is one, and a wake or a clock set by
    // hand is seen within the minute.
    constexpr int kMinuteMs = 60 * 1000;
    const int intoMinute = m_platform.now().time().msecsSinceStartOfDay() % kMinuteMs;
    m_dayCheck.start(kMinuteMs - intoMinute + 500);
}

void MainWindow::checkDay()
{
    const QDate today = m_platform.today();
    if (today != m_judgedOn && !m_ending) {
        // Told when nothing modal is open, so that no message comes under another window's
        // or twice; until then looked at again every second.
        if (m_platform.showingModal()) {
            m_dayCheck.start(1000);
            return;
        }
        tellNewDay(today);
    }
    scheduleDayCheck();
}

void MainWindow::tellNewDay(QDate today)
{
    // First, so that a check during the messages below finds this day told.
    m_judgedOn = today;
    ui.Label5->setText(shortDateText(today));
    std::array<std::string, 10> dates, days;
    for (std::size_t i = 0; i < ui.rows.size(); ++i) {
        Ui::plainSlotColours(ui.rows[i]);
        clearSlotState(ui.rows[i].date);
        dates[i] = ui.rows[i].date->text().toStdString();
        days[i] = ui.rows[i].days->text().toStdString();
    }
    playNotices(
        m_platform, startupNotices(dates, days, toYearMonthDay(today)),
        [this](NoticeStep&& step) { applyColourStep(step); },
        // Not offered again: its "Chiudi" would end the program without saving what was typed.
        [] { return true; });
}

bool MainWindow::checkAndSave()
{
    for (SlotControls& s : ui.rows) {
        if (s.days->text().isEmpty()) {
            m_platform.message(this, "inserire una segnalazione pari a 0 o superiore!");
            s.days->setFocus();
            return false;
        }
    }
    if (!saveCurrentCard())
        return false;
    m_cardFile->close();
    return true;
}

void MainWindow::leaveByExitButton()
{
    if (!checkAndSave())
        return;
    m_ending = true;
    if (m_infoWindow)
        m_infoWindow->close();
    close();
    m_platform.quit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_ending || !m_cardFile->isOpen() || checkAndSave()) {
        m_ending = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::openInformation()
{
    if (!m_infoWindow) {
        auto* info = new InfoWindow();
        m_infoWindow = info;
        // A main window already closed (its card saved, its archive shut) stays closed.
        connect(info, &InfoWindow::left, this, [this] {
            if (!m_ending)
                bringBack(this);
        });
        connect(info, &InfoWindow::printRequested, m_reportCommands.get(),
                [this, info] { m_reportCommands->printInformation(info); });
        m_animations->follow(info);
        emit infoWindowCreated(info);
    }
    m_infoWindow->show();
    m_infoWindow->raise();
    putAside(this);
}
