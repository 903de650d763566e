#include "installer/installer_window.h"

#include "installer/platform_folders.h"
#include "installer/shortcut_files.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kTimerInterval = 1000;

QRect twips(int left, int top, int width, int height)
{
    const auto px = [](int t) { return (t + kTwipsPerPixel / 2) / kTwipsPerPixel; };
    return QRect(px(left), px(top), px(width), px(height));
}

// The screen-wide hourglass for the length of one step, restored on every way out.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Enabling a timer that already runs must not restart its count: Timer1 re-enables Timer3 every
// second, and a restart would keep Timer3 from ever ticking.
void enable(QTimer* timer)
{
    if (!timer->isActive())
        timer->start();
}

QString joinedPath(const QString& folder, const QString& file)
{
    if (folder.endsWith(QLatin1Char('/')))
        return QDir::toNativeSeparators(folder + file);
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + file);
}

// Qt exposes a plain top-level widget as a client area ("filler"); this one is the window.
QAccessibleInterface* exposeAsWindow(const QString& className, QObject* object)
{
    if (className == QLatin1String("InstallerWindow") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

InstallerWindow::InstallerWindow(QWidget* parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(exposeAsWindow);
        return true;
    }();
    Q_UNUSED(installed);
    buildControls();
    load();
}

QString InstallerWindow::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

void InstallerWindow::buildControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Aggiunge link ad Esecuzione automaticha"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twips(0, 0, 4680, 690).size());
    QPalette back = palette();
    back.setColor(QPalette::Window, QColor(0, 0, 64));
    setPalette(back);
    setAutoFillBackground(true);

    Label6 = new QLabel(QStringLiteral("Attendere..."), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setGeometry(twips(600, 120, 3615, 495));
    Label6->setFont(QFont(QStringLiteral("MS Sans Serif"), 18));
    Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label6->setTextFormat(Qt::PlainText);
    QPalette green = Label6->palette();
    green.setColor(QPalette::WindowText, QColor(0, 255, 0));
    Label6->setPalette(green);
    Label6->setAutoFillBackground(false);

    // Below the visible client area: never seen, it carries the shortcut's parameters.
    Frame1 = new QGroupBox(QStringLiteral("Crea un collegamento"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips(1200, 2280, 5775, 2655));

    const auto row = [this](int index, const char* labelName, const QString& caption,
                            const char* boxName, const QString& text, QLabel*& label,
                            QLineEdit*& box) {
        const int top = 300 + index * 390;
        if (labelName != nullptr) {
            label = new QLabel(caption, Frame1);
            label->setObjectName(QLatin1String(labelName));
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setGeometry(twips(120, top, 1215, 315));
        }
        box = new QLineEdit(text, Frame1);
        box->setObjectName(QLatin1String(boxName));
        box->setGeometry(twips(1440, top, 4215, 315));
        // Out of sight, a box must not take keys: typed there unseen, they would change the
        // shortcut. Its label names it for a screen reader all the same.
        box->setFocusPolicy(Qt::NoFocus);
        if (label)
            label->setBuddy(box);
    };
    QLabel* none = nullptr;
    row(0, "label1", QStringLiteral("Nome File"), "txtTarget", QString(), label1, txtTarget);
    row(1, "Label2", QStringLiteral("Descrizione"), "txtDescription", QStringLiteral("Coll"),
        Label2, txtDescription);
    row(2, "Label3", QStringLiteral("Argomenti"), "txtArguments", QString(), Label3, txtArguments);
    row(3, "Label4", QStringLiteral("Da"), "txtStartIn", QString(), Label4, txtStartIn);
    row(4, "Label5", QStringLiteral("Nome link"), "txtName", QStringLiteral("Tempestina10"), Label5,
        txtName);
    row(5, nullptr, QString(), "Text1", QString(), none, Text1);

    const auto timer = [this](const char* name) {
        auto* t = new QTimer(this);
        t->setObjectName(QLatin1String(name));
        t->setInterval(kTimerInterval);
        return t;
    };
    Timer1 = timer("Timer1");
    Timer3 = timer("Timer3");
    Timer2 = timer("Timer2");
    connect(Timer1, &QTimer::timeout, this, &InstallerWindow::onTimer1Tick);
    connect(Timer3, &QTimer::timeout, this, &InstallerWindow::onTimer3Tick);
    connect(Timer2, &QTimer::timeout, this, &InstallerWindow::onTimer2Tick);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect centred(QPoint(), size());
        centred.moveCenter(screen->availableGeometry().center());
        move(centred.topLeft());
    }
}

void InstallerWindow::load()
{
    const QString folder = programFolder();
    txtTarget->setText(joinedPath(folder, platformMainProgramFileName()));
    txtStartIn->setText(QDir::toNativeSeparators(folder));
    enable(Timer1);
}

bool InstallerWindow::shortcutStep(SpecialFolder folder)
{
    if (failed)
        return false;

    const QString packageId = platformPackageDesktopId();
    // The package's own menu entry is the one in the menu: a second would show the program twice.
    if (!packageId.isEmpty() && folder == SpecialFolder::Programs)
        return true;

    std::optional<ShortcutFailure> failure;
    {
        WaitCursor wait;
        ShortcutRequest request;
        request.name = txtName->text().trimmed().toStdString();
        request.link.targetPath = txtTarget->text().trimmed().toStdString();
        request.link.description = txtDescription->text().toStdString();
        request.link.arguments = txtArguments->text().toStdString();
        request.link.workingDirectory = txtStartIn->text().toStdString();
        request.link.showCommand = 1;
        request.desktopEntry = platformReadsDesktopEntries();
        request.autostart = folder == SpecialFolder::StartUp;
        // The menus show the program's icon when the program folder holds one.
        const QString icon =
            QDir(programFolder()).absoluteFilePath(QStringLiteral("Tempestina10.png"));
        if (request.desktopEntry && QFileInfo::exists(icon))
            request.icon = icon.toStdString();
        if (!packageId.isEmpty()) {
            // The program chooses its own data folder, and the package's theme has its icon;
            // once the package is removed, a login starts nothing.
            request.shellLink = false;
            request.entryFileName = packageId.toStdString();
            request.link.workingDirectory.clear();
            request.icon = packageId.toStdString();
            request.tryExec = true;
        }
        failure = writeShortcut(platformSpecialFolder(folder), request);
    }
    if (!failure)
        return true;

    // The box runs its own event loop, in which the timers would go on ticking.
    failed = true;
    stopTimers();
    const QString file = QDir::toNativeSeparators(QString::fromStdString(failure->file));
    const QString reason = QString::fromStdString(failure->reason);
    const QString text =
        failure->folder
            ? QStringLiteral("Impossibile creare la cartella\n%1\n\nMotivo: %2.").arg(file, reason)
            : QStringLiteral("Impossibile scrivere il collegamento\n%1\n\nMotivo: %2.")
                  .arg(file, reason);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Pontilo"), text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("failureBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
    close();
    return false;
}

void InstallerWindow::onTimer1Tick()
{
    if (shortcutStep(SpecialFolder::StartUp))
        enable(Timer3);
}

void InstallerWindow::onTimer3Tick()
{
    if (!shortcutStep(SpecialFolder::Programs))
        return;
    Label6->setText(QStringLiteral("OK!"));
    enable(Timer2);
}

void InstallerWindow::onTimer2Tick()
{
    stopTimers();
    close();
}

void InstallerWindow::stopTimers()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
}

void InstallerWindow::closeEvent(QCloseEvent* event)
{
    stopTimers();
    QWidget::closeEvent(event);
}
