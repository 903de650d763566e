// The real wave player: Qt Multimedia and the audio libraries come with the first sound, not
// with the program's start; a missing file loads nothing; a missing or broken sound module
// still gives the default sound.

#include "platform/wave_player.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class WavePlayerTest : public QObject {
    Q_OBJECT

    static bool multimediaLoaded()
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
    }

private slots:
    void withoutAWorkingModuleEverySoundBeeps()
    {
        QTemporaryDir broken;
        QFile notALibrary(broken.filePath("libt10sound.so"));
        QVERIFY(notALibrary.open(QIODevice::WriteOnly));
        notALibrary.write("no library");
        notALibrary.close();
        for (const QString& folder : {broken.filePath("nessuna"), broken.path()}) {
            int beeps = 0;
            WavePlayer player(folder, [&] { ++beeps; });
            player.prepare();
            player.play(QStringLiteral(T10_SOUNDS "/tel.wav"));
            player.play(QStringLiteral(T10_SOUNDS "/appu.wav"));
            QCOMPARE(beeps, 2);
        }
        // A missing file beeps without loading anything.
        int beeps = 0;
        WavePlayer player(QCoreApplication::applicationDirPath(), [&] { ++beeps; });
        player.play(QStringLiteral(T10_SOUNDS "/nessuno.wav"));
        QCOMPARE(beeps, 1);
        QVERIFY(!multimediaLoaded());
    }

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
