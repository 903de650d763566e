#include "mainwindow/animations.h"

#include "platform/platform.h"
#include "widgets/look.h"
#include "widgets/panel_layout.h"

#include <QEvent>

namespace {

constexpr int kTickMs = 50;
constexpr int kBarX1 = 10920, kBarY = 120, kBarHiddenX2 = 10800, kBarPressedX2 = 8280;

void setInfoLook(QWidget* label, qreal points, const QColor& colour)
{
    QFont font = label->font();
    font.setPointSizeF(points);
    label->setFont(font);
    setForeColour(label, colour);
}

} // namespace

Animations::Animations(Ui::MainWindow& ui, Platform& platform, QWidget* window)
    : QObject(window), ui(ui), m_platform(platform), m_window(window)
{
    connect(ui.Timer1, &QTimer::timeout, this, &Animations::flicker);
    for (int slot = 1; slot <= 10; ++slot)
        connect(ui.rows[slot - 1].cascade, &QTimer::timeout, this, [this, slot] { cascade(slot); });

    connect(ui.Label1, &MouseLabel::mouseMoved, this, &Animations::infoHover);
    connect(ui.Label1, &MouseLabel::mousePressed, this, &Animations::infoPressed);
    connect(ui.Label1, &MouseLabel::mouseReleased, this, &Animations::infoReleased);
    connect(ui.Image5, &MouseLabel::mouseMoved, this, &Animations::infoReset);
    connect(ui.Image1, &MouseLabel::mouseReleased, this, &Animations::infoReset);
    // A button reports moves only when tracked; entering it counts as a move over it.
    ui.Command2->setMouseTracking(true);
    ui.Command2->installEventFilter(this);
    // Minimising, hiding and restoring the window: the pictures follow at once.
    follow(window);
}

void Animations::follow(QWidget* other)
{
    // Windows closed for good leave only empty pointers behind.
    m_followed.removeIf([](const QPointer<QWidget>& w) { return w.isNull(); });
    m_animated.removeIf([](const QPointer<MouseLabel>& l) { return l.isNull(); });
    m_followed.append(other);
    other->installEventFilter(this);
    for (MouseLabel* label : other->findChildren<MouseLabel*>())
        m_animated.append(label);
}

bool Animations::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.Command2 &&
        (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter))
        infoReset();
    else if (isFollowed(watched) &&
             (event->type() == QEvent::WindowStateChange || event->type() == QEvent::Show ||
              event->type() == QEvent::Hide))
        followSight(event->type() == QEvent::Hide ? static_cast<QWidget*>(watched) : nullptr);
    return QObject::eventFilter(watched, event);
}

void Animations::flicker()
{
    m_flag = !m_flag;
    m_ticked = true;
    for (const QPointer<MouseLabel>& label : std::as_const(m_animated)) {
        if (label)
            label->advanceAnimation(kTickMs);
    }
    // Last, as it draws at once: what the animated pictures changed is drawn with it.
    // While only another window is in sight the flag goes on, but nothing is drawn here.
    showFlickerPicture();
}

void Animations::showFlickerPicture()
{
    if (!m_ticked || !windowShowing())
        return;
    ui.imgCorrente->showPicture(m_flag ? ui.imgScritta01->pixmap() : ui.imgScritta02->pixmap());
}

bool Animations::windowShowing() const
{
    return ui.imgCorrente->isVisible() && !m_window->isMinimized();
}

bool Animations::isFollowed(const QObject* object) const
{
    for (const QPointer<QWidget>& w : m_followed) {
        if (w == object)
            return true;
    }
    return false;
}

void Animations::followSight(QWidget* hiding)
{
    bool inSight = false;
    for (const QPointer<QWidget>& w : std::as_const(m_followed)) {
        // While its Hide event is delivered a window still counts as visible.
        if (w && w != hiding && w->isVisible() && !w->isMinimized())
            inSight = true;
    }
    if (!inSight && !m_resting) {
        m_resting = true;
        m_restingTimerWasActive = ui.Timer1->isActive();
        ui.Timer1->stop();
        m_restStarted = m_platform.now();
    } else if (inSight && m_resting) {
        m_resting = false;
        // The picture the flag would show had every tick run.
        const qint64 ticks = m_restStarted.msecsTo(m_platform.now()) / kTickMs;
        if (ticks % 2 != 0) {
            m_flag = !m_flag;
            m_ticked = true;
        }
        if (m_restingTimerWasActive)
            ui.Timer1->start();
    }
    showFlickerPicture();
}

void Animations::cascade(int slot)
{
    const SlotControls& row = ui.rows[slot - 1];
    setBackColour(row.text, toolTipColour());
    // Each timer has done its work after one tick; later ticks would repaint the same colour.
    row.cascade->stop();
    if (slot < 10)
        ui.rows[slot].cascade->start();
}

void Animations::infoHover()
{
    setInfoLook(ui.Label1, 12, panel::kGreen);
}

void Animations::infoPressed()
{
    ui.Line2->setLine(kBarX1, kBarY, kBarPressedX2, kBarY);
    ui.Line2->show();
}

void Animations::infoReleased()
{
    ui.Line2->hide();
    ui.Line2->setLine(kBarX1, kBarY, kBarHiddenX2, kBarY);
}

void Animations::infoReset()
{
    setInfoLook(ui.Label1, 10, Ui::kInfoNormal);
}
