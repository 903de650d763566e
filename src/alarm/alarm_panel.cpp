#include "alarm/alarm_panel.h"

#include "alarm/alarm_notice.h"
#include "alarm/alarm_rules.h"
#include "platform/platform.h"
#include "widgets/keys.h"
#include "widgets/look.h"
#include "widgets/panel_layout.h"
#include "widgets/texts.h"
#include "widgets/twips.h"
#include "widgets/window_state.h"

#include <QKeyEvent>
#include <QTimer>

namespace {

const QString kFilePrompt = QStringLiteral("Selezionare il nome del file wav  personalizzato:");
const QString kFileChosen = QStringLiteral("OK! File inserito");
const QColor kYellow{255, 255, 0};

const QString kHelp = QStringList{"Selezionare il tipo di allarme",
                                  "in modo da ricevere un segnale acustico",
                                  "appropriato, il quale entrerà in funzione allo scadere",
                                  "dei minuti selezionati dalla casella apposita.",
                                  "(per un massimo di 480 minuti = 8 ore)",
                                  "Questo strumento resta in funzione solo e sempre",
                                  "dopo aver premuto il pulsante OK.",
                                  "-----",
                                  "Naturalmente ALZARE il volume dei diffusori audio!"}
                          .join("\r\n");

// The minute counts 1 to 480, as decimal texts.
void fillMinutes(QComboBox* box)
{
    for (int minutes = 1; minutes <= alarmrules::kMaxMinutes; ++minutes)
        box->addItem(QString::number(minutes));
}

void setVisible(std::initializer_list<QWidget*> controls, bool visible)
{
    for (QWidget* control : controls)
        control->setVisible(visible);
}

} // namespace

AlarmPanel::AlarmPanel(Ui::AlarmPanel& ui, QPushButton* opener, QTimer* timer, Platform& platform,
                       QWidget* window)
    : ui(ui), m_opener(opener), m_timer(timer), m_platform(platform), m_window(window)
{
    // The chosen name is played from the program's folder, so that is the folder listed.
    ui.File1->setFolder(platform.programFolder());
    ui.TestoAl->installEventFilter(this);

    connect(m_opener, &QPushButton::clicked, this, &AlarmPanel::openPanel);
    connect(ui.cboAl, &QComboBox::activated, this, &AlarmPanel::pickType);
    connect(ui.cboMin, &QComboBox::activated, this, &AlarmPanel::pickMinutes);
    connect(ui.File1, &QListWidget::itemClicked, this, &AlarmPanel::pickFile);
    connect(ui.File1, &QListWidget::itemActivated, this, &AlarmPanel::pickFile);
    connect(ui.ann, &MouseLabel::clicked, this, &AlarmPanel::clearFile);
    connect(ui.LabelTesto, &MouseLabel::clicked, ui.TestoAl, [&ui] { ui.TestoAl->setFocus(); });
    connect(ui.cmdInfo, &QPushButton::clicked, this, &AlarmPanel::showHelp);
    connect(ui.cmdMinimiz, &QPushButton::clicked, this, &AlarmPanel::arm);
    connect(m_timer, &QTimer::timeout, this, &AlarmPanel::tick);
    connect(ui.cmdChud, &QPushButton::clicked, this, &AlarmPanel::cancel);
    connect(ui.Image3, &MouseLabel::clicked, window, &QWidget::showMinimized);

    connect(ui.Image3, &MouseLabel::mouseMoved, ui.lblAttivo,
            [&ui] { setForeColour(ui.lblAttivo, kYellow); });
    connect(ui.lblAttivo, &MouseLabel::mouseMoved, this, &AlarmPanel::calmActiveLabel);
}

void AlarmPanel::calmActiveLabel()
{
    setForeColour(ui.lblAttivo, panel::kGreen);
}

void AlarmPanel::setPanelWidth(int twips)
{
    ui.Shape7->resize(twipsToPixels(twips), ui.Shape7->height());
}

void AlarmPanel::openPanel()
{
    m_counting = false;
    ui.cmdInfo->setEnabled(true);
    ui.cboAl->setEnabled(true);
    setVisible({ui.Label13, ui.Label14, ui.lblOre}, true);
    ui.lblOre->setText(QString());
    setVisible({ui.Shape7, ui.Label11, ui.Label12, ui.cboAl, ui.cboMin, ui.cmdInfo, ui.cmdMinimiz,
                ui.cmdChud, ui.LabelTesto, ui.TestoAl},
               true);
    setPanelWidth(7575);

    // A second press while the panel is open fills the lists afresh rather than doubling
    // them; the boxes' texts are the user's and stay as they were.
    const QString typeText = ui.cboAl->currentText();
    const QString minutesText = ui.cboMin->currentText();
    ui.cboAl->clear();
    ui.cboMin->clear();
    for (std::string_view type : alarmrules::kTypes)
        ui.cboAl->addItem(QString::fromUtf8(type.data(), qsizetype(type.size())));
    fillMinutes(ui.cboMin);
    ui.cboAl->setCurrentIndex(-1);
    ui.cboAl->setEditText(typeText);
    ui.cboMin->setEditText(minutesText);
}

void AlarmPanel::pickType()
{
    m_counting = false;
    ui.Label111->setText("0");
    ui.cboMin->setEnabled(true);
    if (ui.cboAl->currentText() == QLatin1String(alarmrules::kCustomType.data())) {
        setVisible({ui.prova, ui.labelPerProva, ui.File1}, true);
        setPanelWidth(9375);
    } else {
        clearFile();
        setVisible({ui.prova, ui.labelPerProva, ui.File1}, false);
        setPanelWidth(7575);
    }
}

void AlarmPanel::pickMinutes(int index)
{
    bool ok = false;
    const int minutes = ui.cboMin->itemText(index).toInt(&ok);
    if (!ok || minutes < 1 || minutes > alarmrules::kMaxMinutes)
        return;
    const alarmrules::MinutesDisplay shown = alarmrules::minutesDisplay(minutes);
    ui.lblOre->setText(QString::fromStdString(shown.amount));
    ui.Label14->setText(QString::fromStdString(shown.unit));
    ui.txtUltima->setText(QString::fromStdString(alarmrules::targetSeconds(minutes)));
    ui.cmdMinimiz->setEnabled(true);
}

void AlarmPanel::pickFile()
{
    const QString name = ui.File1->fileName();
    if (name.isEmpty())
        return;
    ui.prova->setText(name);
    ui.labelPerProva->setText(kFileChosen);
    ui.ann->show();
}

void AlarmPanel::clearFile()
{
    ui.labelPerProva->setText(kFilePrompt);
    ui.prova->setText(QString());
    ui.File1->refresh();
    ui.ann->hide();
}

bool AlarmPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.TestoAl && event->type() == QEvent::KeyPress) {
        // Only keys that type a character (Backspace included) warn, as with the slot texts;
        // the key then goes on, and the length limit refuses what would not fit.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (producesCharacter(key) && ui.TestoAl->length() == ui.TestoAl->maxLength()) {
            m_platform.beep();
            m_platform.message(m_window, kLengthLimitMessage);
        }
    }
    return QObject::eventFilter(watched, event);
}

void AlarmPanel::showHelp()
{
    m_platform.playWave(m_platform.programFolder() + "/diffusori.wav");
    m_platform.message(m_window, kHelp, Platform::Icon::Information);
}

void AlarmPanel::arm()
{
    m_counting = true;
    m_noticeOpened = false;
    // Read before the timer starts, so that no tick comes before its second has passed.
    m_armedAt = m_platform.elapsedMs();
    m_timer->start();
    m_opener->setEnabled(false);
    setVisible({ui.Label111, ui.lin3, ui.shaAl, ui.lblAttivo, ui.Image3}, true);
    for (QWidget* control : std::initializer_list<QWidget*>{ui.cmdInfo, ui.cmdMinimiz, ui.cboMin})
        control->setEnabled(false);
    // Minimised, not hidden, on every system: the count is reachable from the task bar.
    m_window->showMinimized();
    ui.cboAl->setEnabled(false);
    // The notice plays its sound as it opens; a first sound loaded then would hold it back.
    m_platform.prepareSound();
}

void AlarmPanel::tick()
{
    const QString counter = ui.Label111->text();
    m_window->setWindowTitle(QString::fromStdString(
        alarmrules::tickCaption(m_window->isMinimized(), counter.toStdString())));
    // The time that passed, sleep included: a tick only says when to look.
    if (m_counting)
        ui.Label111->setText(
            QString::number(alarmrules::elapsedSeconds(m_armedAt, m_platform.elapsedMs())));
    if (!m_noticeOpened && alarmrules::targetReached(ui.Label111->text().toLongLong(),
                                                     ui.txtUltima->text().toStdString())) {
        // Once: the ticks go on while the notice is open.
        m_noticeOpened = true;
        // Not owned by the main window: the notice must show while that one is minimised.
        // Where a minimised window cannot be brought back (Wayland), one hidden and shown
        // again can.
        if (!platformRestoresMinimized())
            m_window->hide();
        AlarmNotice notice(ui.cboAl->currentText(), ui.TestoAl->toPlainText(), ui.prova->text(),
                           m_platform);
        connect(&notice, &AlarmNotice::acknowledged, this, &AlarmPanel::acknowledge);
        m_platform.runModal(&notice);
    }
}

void AlarmPanel::acknowledge()
{
    bringBack(m_window);
    m_timer->stop();
    ui.ann->hide();
    m_opener->setEnabled(true);
    setVisible({ui.Label111, ui.Image3, ui.lin3, ui.shaAl, ui.lblAttivo, ui.Shape7, ui.Label11,
                ui.Label12, ui.cboAl, ui.cboMin, ui.cmdInfo, ui.cmdMinimiz},
               false);
    ui.cmdMinimiz->setEnabled(false);
    ui.cboAl->clear();
    ui.cboMin->clear();
    ui.cboMin->setEnabled(false);
    setVisible({ui.textPrint, ui.cmdChud, ui.Label13, ui.lblOre, ui.Label14, ui.TestoAl,
                ui.LabelTesto, ui.prova, ui.labelPerProva, ui.File1},
               false);
    // The alarm is over: a caption still counting seconds would say otherwise.
    m_window->setWindowTitle(kProductName);
}

void AlarmPanel::cancel()
{
    m_counting = false;
    ui.ann->hide();
    m_opener->setEnabled(true);
    m_timer->stop();
    ui.Label111->setText("0");
    setVisible({ui.Label111, ui.Image3, ui.lin3, ui.shaAl, ui.lblAttivo, ui.Label13, ui.Label14,
                ui.lblOre, ui.Shape7, ui.Label11, ui.Label12, ui.cboAl, ui.cboMin, ui.cmdInfo,
                ui.cmdMinimiz, ui.cmdChud},
               false);
    ui.cmdMinimiz->setEnabled(false);
    ui.labelPerProva->setText(kFilePrompt);
    ui.prova->setText(QString());
    ui.File1->refresh();
    setVisible({ui.LabelTesto, ui.TestoAl, ui.prova, ui.labelPerProva, ui.File1}, false);
    ui.cboAl->clear();
    ui.cboMin->clear();
    ui.cboMin->setEnabled(false);
    // Cancelling a countdown shown in the caption ends that display too.
    m_window->setWindowTitle(kProductName);
}
