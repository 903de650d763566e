#include "info/info_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QShortcut>

InfoWindow::InfoWindow(QWidget* parent) : QWidget(parent)
{
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui.Command1, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
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

void InfoWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit left();
}

void InfoWindow::showFirstBanner(bool first)
{
    ui.Image2->setVisible(first);
    ui.Image3->setVisible(!first);
}
