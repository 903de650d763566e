#include "mainwindow/frmtelefono.h"

#include "alarm/alarm_panel.h"
#include "core/short_date.h"
#include "core/slot_table.h"
#include "core/startup_notices.h"
#include "mainwindow/animations.h"
#include "mainwindow/calendar_panel.h"
#include "mainwindow/slot_editor.h"
#include "platform/dates.h"
#include "platform/platform.h"
#include "report/report_output.h"
#include "types/types_command.h"
#include "types/types_file.h"
#include "widgets/look.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/screen_reader.h"

#include <QCloseEvent>
#include <QDir>
#include <QShortcut>

namespace {

const QString kArchiveName = QStringLiteral("Archivio.DAT");

std::filesystem::path localPath(const QString& path)
{
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdU16String());
}

// The archive lives in the working folder the program was started in.
QString archiveFolder()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

} // namespace

frmTelefono::frmTelefono(Platform& platform, std::unique_ptr<CardFile> cardFile, QWidget* parent,
                         Build build)
    : QWidget(parent), m_platform(platform), m_cardFile(std::move(cardFile))
{
    if (build == Build::Now)
        buildControls();
}

void frmTelefono::buildControls()
{
    ui.setupUi(this);
    // The window's features.
    m_slotEditor = std::make_unique<SlotEditor>(ui, m_platform, this);
    m_typesCommand = std::make_unique<TypesCommand>(ui, m_platform, this);
    m_reportCommands = std::make_unique<ReportCommands>(*this, ui, m_platform);
    m_calendarPanel = std::make_unique<CalendarPanel>(ui, m_platform, this);
    m_animations = std::make_unique<Animations>(ui, m_platform, this);
    m_alarmPanel = std::make_unique<AlarmPanel>(ui, m_platform, this);
    connect(ui.cmdEsci, &QPushButton::clicked, this, &frmTelefono::leaveByExitButton);
    connect(ui.Label1, &MouseLabel::clicked, this, &frmTelefono::openInformation);
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this,
            &frmTelefono::openInformation);
}

frmTelefono::~frmTelefono() = default;

QLineEdit* frmTelefono::fieldControl(int field) const
{
    const SlotBinding& b = kSlots[slotOfField(field) - 1];
    const SlotControls& s = ui.rows[b.slot - 1];
    return field == b.dateField ? s.date : field == b.textField ? s.text : s.days;
}

bool frmTelefono::start()
{
    const bool builtFirst = m_slotEditor != nullptr;
    if (builtFirst)
        fillTypeCombos();
    if (!openArchive() || !readCard()) {
        m_stop = Stop::ArchiveError;
        return false;
    }
    std::vector<NoticeStep> heldColours;
    if (builtFirst)
        MostraRecordCorrente();
    if (!StartupNotices(builtFirst ? nullptr : &heldColours)) {
        m_stop = Stop::UserClosed;
        return false;
    }
    if (!builtFirst) {
        buildControls();
        fillTypeCombos();
        MostraRecordCorrente();
        for (const NoticeStep& step : heldColours)
            applyColourStep(step);
    }
    ui.Timer2->start();
    ui.Label5->setText(shortDateText(m_platform.today()));
    return true;
}

void frmTelefono::fillTypeCombos()
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

bool frmTelefono::openArchive()
{
    const IoResult opened = m_cardFile->open(localPath(QDir::current().filePath(kArchiveName)));
    if (opened) {
        CurrentCardNumber = 1;
        return true;
    }
    if (opened.inUse) {
        // This copy has read nothing yet and writes nothing: the one already open keeps the card.
        m_platform.message(nullptr,
                           QStringLiteral("Tempestina10 è già aperto sull'archivio %1 nella "
                                          "cartella\r\n%2\r\n\r\nUsare la finestra già aperta: "
                                          "questa copia sarà chiusa.")
                               .arg(kArchiveName, archiveFolder()),
                           Platform::Icon::Warning);
        return false;
    }
    reportArchiveError(QStringLiteral("aprire"), opened.reason);
    return false;
}

bool frmTelefono::readCard()
{
    const IoResult read = m_cardFile->read(CurrentCardNumber, m_card);
    if (!read) {
        // Closed unwritten: an empty card saved at exit would replace the real one.
        m_cardFile->close();
        reportArchiveError(QStringLiteral("leggere"), read.reason);
        return false;
    }
    return true;
}

void frmTelefono::MostraRecordCorrente()
{
    for (int field = 1; field <= DeadlineCard::FieldCount; ++field)
        fieldControl(field)->setText(QString::fromStdString(m_card.fields[field - 1]));
}

void frmTelefono::reportArchiveError(const QString& failed, const std::string& reason)
{
    m_platform.message(
        nullptr,
        QStringLiteral("Impossibile %1 l'archivio %2 nella cartella\r\n%3\r\n"
                       "Motivo: %4\r\n\r\nIl programma sarà chiuso.")
            .arg(failed, kArchiveName, archiveFolder(), QString::fromStdString(reason)),
        Platform::Icon::Warning);
}

bool frmTelefono::SalvaRecordCorrente()
{
    for (int field = 1; field <= DeadlineCard::FieldCount; ++field)
        m_card.fields[field - 1] = fieldControl(field)->text().toStdString();
    const IoResult written = m_cardFile->write(CurrentCardNumber, m_card);
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

bool frmTelefono::StartupNotices(std::vector<NoticeStep>* held)
{
    ShownSlots shown;
    if (held) {
        shown = shownSlots(m_card);
    } else {
        for (std::size_t i = 0; i < ui.rows.size(); ++i) {
            shown.dates[i] = ui.rows[i].date->text().toStdString();
            shown.days[i] = ui.rows[i].days->text().toStdString();
        }
    }
    for (const NoticeStep& step :
         startupNotices(shown.dates, shown.days, toYearMonthDay(m_platform.today()))) {
        switch (step.kind) {
        case NoticeStep::Kind::Message:
            m_platform.message(nullptr, QString::fromStdString(step.text),
                               step.icon == NoticeStep::Icon::Information
                                   ? Platform::Icon::Information
                                   : Platform::Icon::None);
            break;
        case NoticeStep::Kind::ColourDaysBox:
        case NoticeStep::Kind::ColourDateBox:
            if (held)
                held->push_back(step);
            else
                applyColourStep(step);
            break;
        case NoticeStep::Kind::ShowForm1: {
            Form1 form1;
            if (m_platform.runModal(&form1) == Form1::Quit)
                return false;
            break;
        }
        }
    }
    return true;
}

void frmTelefono::applyColourStep(const NoticeStep& step)
{
    const SlotControls& s = ui.rows[step.slot - 1];
    setBackColour(step.kind == NoticeStep::Kind::ColourDaysBox ? s.days : s.date,
                  QColor(step.colour.r, step.colour.g, step.colour.b));
    describeSlotState(s.date, step.colour);
}

bool frmTelefono::checkAndSave()
{
    for (SlotControls& s : ui.rows) {
        if (s.days->text().isEmpty()) {
            m_platform.message(this, "inserire una segnalazione pari a 0 o superiore!");
            s.days->setFocus();
            return false;
        }
    }
    if (!SalvaRecordCorrente())
        return false;
    m_cardFile->close();
    return true;
}

void frmTelefono::leaveByExitButton()
{
    if (!checkAndSave())
        return;
    m_ending = true;
    if (m_form2)
        m_form2->close();
    close();
    m_platform.quit();
}

void frmTelefono::closeEvent(QCloseEvent* event)
{
    if (m_ending || !m_cardFile->isOpen() || checkAndSave()) {
        m_ending = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void frmTelefono::openInformation()
{
    if (!m_form2) {
        auto* form2 = new Form2(this);
        m_form2 = form2;
        connect(form2, &Form2::printRequested, m_reportCommands.get(),
                [this, form2] { m_reportCommands->printInformation(form2); });
        m_animations->follow(form2);
        emit form2Created(form2);
    }
    m_form2->show();
    m_form2->raise();
    showMinimized();
}
