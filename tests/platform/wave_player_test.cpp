// The real wave player: Qt Multimedia and the audio libraries come with the first sound, not
// with the program's start, and a missing file loads nothing.

#include "platform/wave_player.h"

#include <QFile>
#include <QTest>

class WavePlayerTest : public QObject {
    Q_OBJECT

    static bool multimediaLoaded()
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
    }

private slots:
    void soundModuleLoadsWithTheFirstPlayableSound()
    {
        QVERIFY(!multimediaLoaded());
        WavePlayer player;
        player.play(QStringLiteral(T10_SOUNDS "/nessuno.wav"));
        QVERIFY(!multimediaLoaded());

        player.play(QStringLiteral(T10_SOUNDS "/tel.wav"));
        QVERIFY(multimediaLoaded());
        // Again while loading, then a second file: no machine has to have a sound card.
        player.play(QStringLiteral(T10_SOUNDS "/tel.wav"));
        QTest::qWait(300);
        player.play(QStringLiteral(T10_SOUNDS "/appu.wav"));
        QTest::qWait(300);
    }
};

QTEST_MAIN(WavePlayerTest)
#include "wave_player_test.moc"
