// The yardstick of the start-up benchmark: the least a Qt Widgets program does to show a window.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Scadenza"), &window));
    layout->addWidget(new QLineEdit(&window));
    window.show();
    return QApplication::exec();
}
