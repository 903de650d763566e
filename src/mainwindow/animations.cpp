#include "mainwindow/animations.h"

#include "widgets/look.h"

#include <QEvent>
#include <QMovie>

namespace {

constexpr int kBarX1 = 10920, kBarY = 120, kBarHiddenX2 = 10800, kBarPressedX2 = 8280;

void setInfoLook(QWidget* label, qreal points, const QColor& colour)
{
    QFont font = label->font();
    font.setPointSizeF(points);
    label->setFont(font);
    setForeColour(label, colour);
}

} // namespace

Animations::Animations(Ui::frmTelefono& ui, QWidget* window)
    : QObject(window), ui(ui), m_window(window)
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
    window->installEventFilter(this);
}

bool Animations::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.Command2 &&
        (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter))
        infoReset();
    else if (watched == m_window &&
             (event->type() == QEvent::WindowStateChange || event->type() == QEvent::Show ||
              event->type() == QEvent::Hide)) {
        showFlickerPicture();
        // While its Hide event is delivered the window still counts as visible.
        restMoviesOutOfSight(event->type() == QEvent::Hide || !windowShowing());
    }
    return QObject::eventFilter(watched, event);
}

void Animations::flicker()
{
    m_flag = !m_flag;
    m_ticked = true;
    // The flag keeps alternating while the window is out of sight, so the pictures take up
    // their rhythm again on restore; only the repaint is saved.
    showFlickerPicture();
}

void Animations::showFlickerPicture()
{
    if (!m_ticked || !windowShowing())
        return;
    const QPixmap picture = m_flag ? ui.imgScritta01->pixmap() : ui.imgScritta02->pixmap();
    ui.imgCorrente->setPixmap(picture);
}

bool Animations::windowShowing() const
{
    return ui.imgCorrente->isVisible() && !m_window->isMinimized();
}

void Animations::restMoviesOutOfSight(bool outOfSight)
{
    if (outOfSight) {
        for (QMovie* movie : m_window->findChildren<QMovie*>()) {
            if (movie->state() == QMovie::Running) {
                movie->setPaused(true);
                m_restingMovies.append(movie);
            }
        }
        return;
    }
    // Only the movies rested here: resuming one that never ran would start it.
    for (const QPointer<QMovie>& movie : std::as_const(m_restingMovies)) {
        if (movie && movie->state() == QMovie::Paused)
            movie->setPaused(false);
    }
    m_restingMovies.clear();
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
    setInfoLook(ui.Label1, 12, Ui::kGreen);
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
