// Where the program's own files and each person's files are looked for: a folder of its own or a
// system-wide tree, the person's data folder made and given the starting list, and the sounds.

#include "platform/program_folders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

// A system-wide tree under root: bin/, share/tempestina10 with the starting list and a sound.
ProgramFolders systemTree(const QString& root, const QString& dataHome)
{
    QDir().mkpath(root + "/bin");
    QDir().mkpath(root + "/share/tempestina10");
    writeFile(root + "/share/tempestina10/lista.txt", "Bollo auto\r\nAffitto\r\n");
    writeFile(root + "/share/tempestina10/tel.wav", "RIFF");
    return programFolders(root + "/bin", "../lib/x86_64-linux-gnu/tempestina10",
                          "../share/tempestina10", dataHome);
}

} // namespace

class ProgramFoldersTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_startFolder = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_startFolder); }

    void foldersOfEachLayout()
    {
        const ProgramFolders own = programFolders("/opt/Tempestina10");
        QVERIFY(!own.systemWide);
        QCOMPARE(own.modules, QString("/opt/Tempestina10"));
        QCOMPARE(own.shipped, QString("/opt/Tempestina10"));
        QCOMPARE(own.personal, QString("/opt/Tempestina10"));

        const ProgramFolders system =
            programFolders("/usr/bin", "../lib/x86_64-linux-gnu/tempestina10",
                           "../share/tempestina10", "/home/anna/.local/share");
        QVERIFY(system.systemWide);
        QCOMPARE(system.modules, QString("/usr/lib/x86_64-linux-gnu/tempestina10"));
        QCOMPARE(system.shipped, QString("/usr/share/tempestina10"));
        QCOMPARE(system.personal, QString("/home/anna/.local/share/Tempestina10"));

        // No usable home: no folder to fall back on, which the start then says.
        QCOMPARE(programFolders("/usr/bin", "../lib", "../share/tempestina10", {}).personal,
                 QString());
    }

    void dataHomeFromTheVariableOrTheHome_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("expected");
        QTest::newRow("set") << "/dati"
                             << "/home/anna"
                             << "/dati";
        QTest::newRow("unset") << ""
                               << "/home/anna"
                               << "/home/anna/.local/share";
        QTest::newRow("relative, ignored") << "dati"
                                           << "/home/anna"
                                           << "/home/anna/.local/share";
        QTest::newRow("no home") << ""
                                 << ""
                                 << "";
        QTest::newRow("relative home") << ""
                                       << "casa"
                                       << "";
    }
    void dataHomeFromTheVariableOrTheHome()
    {
        QFETCH(QString, variable);
        QFETCH(QString, home);
        QFETCH(QString, expected);
        QCOMPARE(xdgDataHome(variable, home), expected);
    }

    void firstStartMakesTheFolderWithTheStartingList()
    {
        QTemporaryDir temp;
        const ProgramFolders folders = systemTree(temp.path() + "/usr", temp.path() + "/casa dati");
        QCOMPARE(enterPersonalFolder(folders), QString());
        QCOMPARE(readFile(folders.personal + "/lista.txt"),
                 QByteArray("Bollo auto\r\nAffitto\r\n"));
        QCOMPARE(QDir::currentPath(), folders.personal);
        QCOMPARE(QDir(folders.personal)
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"lista.txt"});

        // A list of the person's own, and their own sound: kept as they are at the next start.
        writeFile(folders.personal + "/lista.txt", "Mio tipo\r\n");
        writeFile(folders.personal + "/mio.wav", "RIFF mio");
        QDir::setCurrent(m_startFolder);
        QCOMPARE(enterPersonalFolder(folders), QString());
        QCOMPARE(readFile(folders.personal + "/lista.txt"), QByteArray("Mio tipo\r\n"));
        QCOMPARE(readFile(folders.personal + "/mio.wav"), QByteArray("RIFF mio"));
    }

    void aFolderThatCannotBeMadeIsToldInItalian()
    {
        QTemporaryDir temp;
        // A file where the data folder's parent should be: even root cannot make it.
        writeFile(temp.path() + "/dati", "non una cartella");
        const ProgramFolders folders = systemTree(temp.path() + "/usr", temp.path() + "/dati");
        const QString message = enterPersonalFolder(folders);
        QVERIFY2(message.startsWith("Impossibile creare la cartella dei dati\r\n" +
                                    QDir::toNativeSeparators(temp.path() + "/dati/Tempestina10")),
                 qPrintable(message));
        QVERIFY2(message.contains("Motivo: "), qPrintable(message));
        QVERIFY(message.endsWith("Il programma sarà chiuso."));
        QCOMPARE(QDir::currentPath(), m_startFolder);

        const ProgramFolders homeless =
            programFolders(temp.path() + "/usr/bin", "../lib", "../share/tempestina10", {});
        QVERIFY(
            enterPersonalFolder(homeless).startsWith("Impossibile trovare la cartella dei dati"));
    }

    void soundsOfThePersonFirstThenTheShippedOnes()
    {
        QTemporaryDir temp;
        const ProgramFolders folders = systemTree(temp.path() + "/usr", temp.path() + "/dati");
        QCOMPARE(enterPersonalFolder(folders), QString());
        const QString shippedTel = folders.shipped + "/tel.wav";
        QCOMPARE(soundFile(folders, folders.personal + "/tel.wav"), shippedTel);
        writeFile(folders.personal + "/tel.wav", "RIFF suo");
        QCOMPARE(soundFile(folders, folders.personal + "/tel.wav"), folders.personal + "/tel.wav");
        // Only what was asked of the person's folder is looked for among the shipped files.
        QCOMPARE(soundFile(folders, "/altrove/tel.wav"), QString("/altrove/tel.wav"));

        const ProgramFolders own = programFolders(temp.path() + "/cartella");
        QCOMPARE(soundFile(own, own.personal + "/tel.wav"), own.personal + "/tel.wav");
    }

private:
    QString m_startFolder;
};

QTEST_MAIN(ProgramFoldersTest)
#include "program_folders_test.moc"
