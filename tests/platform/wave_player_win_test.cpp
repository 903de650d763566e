// The real platform's sounds on Windows reach PlaySoundW asynchronously, by file name, with
// native separators and without SND_NODEFAULT.

#include "platform/qt_platform.h"
#include "platform/wave_player_win.h"

#include <mmsystem.h>
#include <QtTest>

namespace {

struct Call {
    QString sound;
    bool noModule;
    DWORD flags;
};
QList<Call> calls;

BOOL WINAPI recordPlaySound(LPCWSTR sound, HMODULE module, DWORD flags)
{
    calls.append({QString::fromWCharArray(sound), module == nullptr, flags});
    return TRUE;
}

} // namespace

class WavePlayerWinTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        calls.clear();
        playSoundCall = &recordPlaySound;
    }
    void cleanup() { playSoundCall = &PlaySoundW; }

    void soundsGoToPlaySoundAsFileNames_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("calendar help") << QStringLiteral("calend.wav");
        QTest::newRow("alarm help") << QStringLiteral("diffusori.wav");
        QTest::newRow("alarm Telefono") << QStringLiteral("tel.wav");
        QTest::newRow("missing file") << QStringLiteral("non c'è.wav");
    }
    void soundsGoToPlaySoundAsFileNames()
    {
        QFETCH(QString, file);
        QtPlatform platform;
        // Joined as the windows join it: the program folder, "/" and the file.
        platform.playWave(platform.programFolder() + "/" + file);

        QCOMPARE(calls.size(), 1);
        const QString expected =
            QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + "\\" + file;
        QCOMPARE(calls[0].sound, expected);
        QVERIFY(!calls[0].sound.contains('/'));
        QVERIFY(calls[0].noModule);
        QCOMPARE(calls[0].flags, DWORD(SND_ASYNC | SND_FILENAME));
    }
};

QTEST_MAIN(WavePlayerWinTest)
#include "wave_player_win_test.moc"
