// The idle yardstick: a bare Qt window that does only the main window's mandated motion, each
// on a clock of its own, over the background picture: a 121x129 picture box switching between
// two pictures every 50 ms, and the two animated pictures at their places.

#include <QApplication>
#include <QLabel>
#include <QMovie>
#include <QTimer>
#include <QWidget>

namespace {

QLabel* movieAt(QWidget* parent, const QString& file, const QRect& place, bool stretched)
{
    auto* label = new QLabel(parent);
    label->setGeometry(place);
    auto* movie = new QMovie(file, QByteArray(), label);
    movie->setCacheMode(QMovie::CacheAll);
    if (stretched)
        movie->setScaledSize(place.size());
    label->setMovie(movie);
    movie->start();
    return label;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    window.setFixedSize(780, 546);
    auto* background = new QLabel(&window);
    background->setGeometry(0, 0, 784, 543);
    background->setScaledContents(true);
    background->setPixmap(QPixmap(QStringLiteral(":/background.jpg")));
    movieAt(&window, QStringLiteral(":/globe150.gif"), {320, -16, 174, 166}, true);
    movieAt(&window, QStringLiteral(":/brand158x52.gif"), {544, 48, 158, 48}, false);

    const QPixmap pictures[2] = {QPixmap(QStringLiteral(":/scritta01.png")),
                                 QPixmap(QStringLiteral(":/scritta02.png"))};
    auto* caption = new QLabel(&window);
    caption->setGeometry(344, 0, 121, 129);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    caption->setAutoFillBackground(true);
    caption->setPalette(QPalette(Qt::black));
    QTimer flicker;
    bool flag = false;
    QObject::connect(&flicker, &QTimer::timeout, caption, [&] {
        flag = !flag;
        caption->setPixmap(pictures[flag ? 0 : 1]);
    });
    flicker.start(50);

    window.show();
    return QApplication::exec();
}
