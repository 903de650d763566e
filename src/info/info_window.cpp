#include "info/info_window.h"

#include <QEvent>

InfoWindow::InfoWindow(QWidget* mainWindow) : QWidget(nullptr), m_mainWindow(mainWindow)
{
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui.Command1, &QPushButton::clicked, this, [this] {
        // A main window already closed (its card saved, its archive shut) stays closed.
        if (m_mainWindow->isVisible()) {
            m_mainWindow->setWindowState(m_mainWindow->windowState() & ~Qt::WindowMinimized);
            m_mainWindow->showNormal();
        }
        close();
    });
    connect(ui.Image4, &MouseLabel::clicked, this, &InfoWindow::printRequested);
    connect(ui.Image2, &MouseLabel::mouseMoved, this, [this] { showFirstBanner(false); });
    connect(ui.Image1, &MouseLabel::mouseMoved, this, [this] { showFirstBanner(true); });
    ui.Text1->viewport()->installEventFilter(this);
}

bool InfoWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.Text1->viewport() && event->type() == QEvent::MouseMove)
        showFirstBanner(true);
    return QWidget::eventFilter(watched, event);
}

void InfoWindow::showFirstBanner(bool first)
{
    ui.Image2->setVisible(first);
    ui.Image3->setVisible(!first);
}
