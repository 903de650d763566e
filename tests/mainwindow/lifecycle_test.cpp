// The main window from start to exit: the start-up notices in their order, Form1, the save
// of card 1 at exit, and what happens when the archive fails.

#include "mainwindow/nothing_due_window.h"
#include "platform/display_server.h"
#include "started_window.h"
#include "widgets/look.h"
#include "widgets/window_state.h"

#include <csignal>
#include <QAccessible>
#include <QDir>
#include <QSignalSpy>
#include <QTest>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

class LifecycleTest : public QObject {
    Q_OBJECT

    TestFolders m_folders; // Archivio.DAT in the working folder, lista.txt in the program's

    QString archive() const { return m_folders.archive(); }

    static void answerForm1(FakePlatform& platform, int choice)
    {
        platform.onModal = [choice](QDialog* d) {
            auto* form = qobject_cast<NothingDueWindow*>(d);
            QVERIFY(form);
            QTest::mouseClick(findControl<QPushButton>(
                                  form, choice == NothingDueWindow::Quit ? "Command1" : "Command2"),
                              Qt::LeftButton);
        };
    }

    std::unique_ptr<StartedWindow> startWith(const DeadlineCard& card, QDate today)
    {
        writeBytes(archive(), recordBytes(card));
        return startHere(today);
    }

    // A start on whatever the working folder holds.
    std::unique_ptr<StartedWindow> startHere(QDate today = QDate(2005, 3, 10))
    {
        auto s = std::make_unique<StartedWindow>(m_folders);
        s->platform.todayDate = today;
        s->start();
        return s;
    }

    // An archive error says one thing: a single warning holding every part, before any notice
    // or Form1.
    static bool saidOneArchiveWarning(const FakePlatform& platform, const QStringList& parts)
    {
        if (platform.messages.size() != 1 || platform.messages[0].icon != Platform::Icon::Warning ||
            !platform.modalWindows.isEmpty())
            return false;
        for (const QString& part : parts) {
            if (!platform.messages[0].text.contains(part))
                return false;
        }
        return true;
    }

    static QString firstMessage(const FakePlatform& platform)
    {
        return platform.messages.empty() ? QString() : platform.messages[0].text;
    }

    static QColor colourOf(MainWindow& w, const char* name)
    {
        return backColour(w.findChild<QWidget*>(name));
    }

    // What a screen reader says of a box beyond its name.
    static QString descriptionOf(MainWindow& w, const char* name)
    {
        return QAccessible::queryAccessibleInterface(w.findChild<QWidget*>(name))
            ->text(QAccessible::Description);
    }

private slots:
    void init()
    {
        QFile::remove(archive());
        QFile::remove(m_folders.programFile("lista.txt"));
    }

    void oddCardsAreJudgedAsTheirBoxesShowThem_data()
    {
        QTest::addColumn<QList<QByteArrayList>>("rows"); // slot, date, text, days as stored
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("days");     // the ten days boxes as shown
        QTest::addColumn<QStringList>("coloured"); // boxes with a start colour
        const QByteArray pad(100, 'x');
        // A days text that is no number shows as "1" and is judged as "1": slot 4, two days
        // ahead, is not due soon; slot 5, one day ahead, is. A sign or a fraction (cut to "1.") is
        // a number the boxes keep, but no whole count of days.
        QTest::newRow("days text that is no number")
            << QList<QByteArrayList>{{"4", "12/03/05", "Luce", "x2"},
                                     {"5", "11/03/05", "Gas", ""},
                                     {"6", "13/03/05", "", "-3"},
                                     {"7", "14/03/05", "", "1.5"}}
            << QStringList{"A breve hai qualche scadenza!"}
            << QStringList{"1", "1", "1", "1", "1", "-3", "1.", "1", "1", "1"}
            << QStringList{"seg5"};
        // Fields longer than their boxes are judged as cut to the boxes: the date of slot 1 is
        // today, slot 2's "09/03/20" no date, slot 3's days "01", one day ahead.
        QTest::newRow("texts at the length limit")
            << QList<QByteArrayList>{{"1", "10/03/05" + pad, pad, "123"},
                                     {"2", "09/03/2005", "\xe8" + pad, "1"},
                                     {"3", "11/03/05", "", "01" + pad}}
            << QStringList{"A breve hai qualche scadenza!", "Oggi hai qualche scadenza!"}
            << QStringList{"12", "1", "01", "1", "1", "1", "1", "1", "1", "1"}
            << QStringList{"seg3", "txtTelefono"};
        QTest::newRow("empty and junk dates")
            << QList<QByteArrayList>{{"1", "", "Bollo", "1"},
                                     {"2", "ab/cd/ef", "", "1"},
                                     {"3", "10/3/05", "", "0"},
                                     {"4", "31/02/05", "", "1"},
                                     {"8", "\xe8\xe8/03/05", "", "1"}}
            << QStringList{} << QStringList{"1", "1", "0", "1", "1", "1", "1", "1", "1", "1"}
            << QStringList{};
    }

    void oddCardsAreJudgedAsTheirBoxesShowThem()
    {
        QFETCH(QList<QByteArrayList>, rows);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, days);
        QFETCH(QStringList, coloured);
        QByteArray record(DeadlineCard::RecordSize, ' ');
        for (const SlotBinding& b : kSlots)
            record.replace((b.daysField - 1) * 100, 1, "1");
        for (const QByteArrayList& row : rows) {
            const SlotBinding& b = kSlots[row[0].toInt() - 1];
            const int fields[] = {b.dateField, b.textField, b.daysField};
            for (int i = 0; i < 3; ++i)
                record.replace((fields[i] - 1) * 100, 100,
                               row[i + 1].leftJustified(100, ' ', true));
        }
        writeBytes(archive(), record);
        auto s = startHere(QDate(2005, 3, 10));
        QVERIFY(s->window);
        QCOMPARE(s->platform.messageTexts(), messages);
        QStringList shown, colouredNow;
        for (const SlotRow& row : s->rows()) {
            shown << row.days->text();
            if (backColour(row.days) != Ui::kDaysBack)
                colouredNow << row.days->objectName();
        }
        for (const SlotRow& row : s->rows()) {
            if (backColour(row.date) != toolTipColour())
                colouredNow << row.date->objectName();
        }
        QCOMPARE(shown, days);
        QCOMPARE(colouredNow, coloured);
    }

    void dueSoonAndExpiredNoticesComeInOrderBeforeForm1()
    {
        // Slot 1 due in 5 days with 5 days' notice; slot 2 expired by 1, slot 3 by 3 days,
        // slot 4 by 4 days (nothing); nothing today, so Form1 comes last.
        auto s = startWith(cardWith({{1, {"15/03/05", "Bollo", "5"}},
                                     {2, {"09/03/05", "Luce", "1"}},
                                     {3, {"07/03/05", "Gas", "1"}},
                                     {4, {"06/03/05", "Acqua", "1"}}}),
                           QDate(2005, 3, 10));
        QVERIFY(s->window);
        QCOMPARE(s->platform.messageTexts(),
                 QStringList({"A breve hai qualche scadenza!", "Scadenza scaduta da 1 giorno!",
                              "Scadenza scaduta da 3 giorni!"}));
        QCOMPARE(s->platform.messages[0].icon, Platform::Icon::Information);
        QCOMPARE(s->platform.messages[1].icon, Platform::Icon::None);
        QCOMPARE(s->platform.modalWindows, QStringList{"Form1"});
        QCOMPARE(colourOf(*s->window, "seg1"), QColor(192, 64, 0));
        QCOMPARE(colourOf(*s->window, "seg2"), QColor(192, 255, 192));
        QCOMPARE(colourOf(*s->window, "seg3"), QColor(192, 255, 192));
        QCOMPARE(colourOf(*s->window, "seg4"), QColor(64, 0, 0));
        QCOMPARE(colourOf(*s->window, "txtTelefono"), toolTipColour());
        QCOMPARE(s->find<MouseLabel>("Label5")->text(), QString("10/03/05"));
        // The colours in words, on the slots' date boxes; the tooltip stays for the rest.
        QVERIFY(descriptionOf(*s->window, "txtTelefono").startsWith("SCADENZA TRA' BREVE. "));
        QVERIFY(descriptionOf(*s->window, "txtNome").startsWith("SCADENZA SCADUTA. "));
        QVERIFY(descriptionOf(*s->window, "txtCommenti").startsWith("SCADENZA SCADUTA. "));
        QCOMPARE(descriptionOf(*s->window, "txtData2"), s->find<QLineEdit>("txtData2")->toolTip());
    }

    void expiredSlotsOfTwoAndThreeDaysAreToldAndColoured()
    {
        writeBytes(archive(),
                   recordBytes(cardWith({{5, {"08/03/05", "", "1"}}, {6, {"07/03/05", "", "1"}}})));
        auto s = startHere();
        QVERIFY(s->window);
        QCOMPARE(s->platform.messageTexts(),
                 QStringList({"Scadenza scaduta da 2 giorni!", "Scadenza scaduta da 3 giorni!"}));
        QCOMPARE(backColour(s->find<QLineEdit>("seg5")), QColor(192, 255, 192));
        QCOMPARE(backColour(s->find<QLineEdit>("seg6")), QColor(192, 255, 192));
    }

    void dueTodayWithNoAdvanceIsBothSoonAndTodayWithoutForm1()
    {
        auto s = startWith(cardWith({{3, {"10/03/05", "Tassa", "0"}}}), QDate(2005, 3, 10));
        QVERIFY(s->window);
        QCOMPARE(s->platform.messageTexts(),
                 QStringList({"A breve hai qualche scadenza!", "Oggi hai qualche scadenza!"}));
        QVERIFY(s->platform.modalWindows.isEmpty());
        QCOMPARE(colourOf(*s->window, "seg3"), QColor(192, 64, 0));
        QCOMPARE(colourOf(*s->window, "txtCommenti"), QColor(255, 0, 0));
        QVERIFY(descriptionOf(*s->window, "txtCommenti").startsWith("SCADENZA OGGI. "));
    }

    void twoSlotsDueTodayGiveTwoMessagesInDateBoxOrder()
    {
        auto s = startWith(cardWith({{4, {"10/03/05", "", "3"}}, {5, {"10/03/05", "", "3"}}}),
                           QDate(2005, 3, 10));
        QCOMPARE(s->platform.messageTexts(),
                 QStringList({"Oggi hai qualche scadenza!", "Oggi hai qualche scadenza!"}));
        QCOMPARE(colourOf(*s->window, "txtData2"), QColor(255, 0, 0));
        QCOMPARE(colourOf(*s->window, "txtData1"), QColor(255, 0, 0));
        QVERIFY(s->platform.modalWindows.isEmpty());
    }

    void acrossTheYearEnd()
    {
        auto s = startWith(cardWith({{1, {"31/12/04", "", "1"}}, {2, {"02/01/05", "", "1"}}}),
                           QDate(2005, 1, 1));
        QCOMPARE(s->platform.messageTexts(),
                 QStringList({"A breve hai qualche scadenza!", "Scadenza scaduta da 1 giorno!"}));
        QCOMPARE(colourOf(*s->window, "seg2"), QColor(192, 64, 0));
        QCOMPARE(colourOf(*s->window, "seg1"), QColor(192, 255, 192));
        QCOMPARE(s->find<MouseLabel>("Label5")->text(), QString("01/01/05"));
    }

    // Started at 23:59:30 on 10/03/05 on a card due tomorrow (1), expired yesterday (2) and
    // due on the 14th with three days' notice (3).
    std::unique_ptr<StartedWindow> startBeforeMidnight()
    {
        writeBytes(archive(), recordBytes(cardWith({{1, {"11/03/05", "Bollo"}},
                                                    {2, {"09/03/05", "Luce"}},
                                                    {3, {"14/03/05", "Gas", "3"}}})));
        auto s = std::make_unique<StartedWindow>(m_folders);
        s->platform.nowTime = QTime(23, 59, 30);
        if (!s->start())
            return nullptr;
        s->platform.messages.clear();
        s->platform.modalWindows.clear();
        return s;
    }

    static void checkTheDay(StartedWindow& s)
    {
        QMetaObject::invokeMethod(s.find<QTimer>("dayCheck"), "timeout");
    }

    // The boxes not in the layout's colours, as "name=#rrggbb".
    static QStringList colouredBoxes(StartedWindow& s)
    {
        QStringList found;
        for (const SlotRow& row : s.rows()) {
            if (backColour(row.date) != toolTipColour())
                found << row.date->objectName() + "=" + backColour(row.date).name();
            if (backColour(row.days) != QColor(64, 0, 0))
                found << row.days->objectName() + "=" + backColour(row.days).name();
        }
        return found;
    }

    // A day that begins while the program runs is judged like a start's, on the slots as the
    // window shows them, with the start's messages in the start's order and its colours, but
    // no Form1 and no write.
    void aNewDayWhileRunningIsJudgedLikeAStart_data()
    {
        QTest::addColumn<qint64>("jumpMs");
        QTest::addColumn<int>("clocks");
        QTest::addColumn<QString>("today");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("coloured");
        const QString soon = "A breve hai qualche scadenza!",
                      todayDue = "Oggi hai qualche scadenza!";
        constexpr qint64 kDay = 24 * 3600 * 1000LL;
        // Slot 4's date, 11/03/05, is typed after the start and never saved.
        QTest::newRow("midnight") << 60 * 1000LL << int(FakePlatform::Both) << "11/03/05"
                                  << QStringList{soon, "Scadenza scaduta da 2 giorni!", todayDue,
                                                 todayDue}
                                  << QStringList{"txtTelefono=#ff0000", "seg2=#c0ffc0",
                                                 "seg3=#c04000", "txtData2=#ff0000"};
        QTest::newRow("woken two days later")
            << 2 * kDay << int(FakePlatform::Both) << "12/03/05"
            << QStringList{"Scadenza scaduta da 1 giorno!", "Scadenza scaduta da 3 giorni!",
                           "Scadenza scaduta da 1 giorno!"}
            << QStringList{"seg1=#c0ffc0", "seg2=#c0ffc0", "seg4=#c0ffc0"};
        QTest::newRow("clock set back a day")
            << -kDay << int(FakePlatform::Wall) << "09/03/05" << QStringList{todayDue}
            << QStringList{"txtNome=#ff0000"};
    }
    void aNewDayWhileRunningIsJudgedLikeAStart()
    {
        QFETCH(qint64, jumpMs);
        QFETCH(int, clocks);
        QFETCH(QString, today);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, coloured);
        auto s = startBeforeMidnight();
        QVERIFY(s);
        QCOMPARE(colouredBoxes(*s), (QStringList{"seg1=#c04000", "seg2=#c0ffc0"}));
        QTest::keyClicks(s->row(4).date, "11/03/05");
        const QByteArray saved = readBytes(archive());

        checkTheDay(*s); // the same day: nothing
        QVERIFY(s->platform.messages.empty());
        s->platform.passTime(jumpMs, clocks);
        checkTheDay(*s);
        QCOMPARE(s->find<MouseLabel>("Label5")->text(), today);
        QCOMPARE(s->platform.messageTexts(), messages);
        QCOMPARE(colouredBoxes(*s), coloured);
        QVERIFY(s->platform.modalWindows.isEmpty());
        QCOMPARE(readBytes(archive()), saved);
        checkTheDay(*s); // told once
        QCOMPARE(s->platform.messageTexts(), messages);
    }

    // A new day that comes while a modal window or message is open is told once it closes.
    void aNewDayDuringAModalMomentIsToldOnceAfterIt_data()
    {
        QTest::addColumn<bool>("typesWindow");
        QTest::newRow("types window") << true;
        QTest::newRow("message") << false;
    }
    void aNewDayDuringAModalMomentIsToldOnceAfterIt()
    {
        QFETCH(bool, typesWindow);
        auto s = startBeforeMidnight();
        QVERIFY(s);
        int toldInside = -1;
        auto midnightInside = [&] {
            s->platform.passTime(60 * 1000);
            const std::size_t before = s->platform.messages.size();
            checkTheDay(*s);
            toldInside = int(s->platform.messages.size() - before);
        };
        if (typesWindow) {
            s->platform.onModal = [&](QDialog* d) {
                midnightInside();
                d->reject();
            };
            QTest::mouseClick(s->find<QPushButton>("cmdList"), Qt::LeftButton);
        } else {
            s->platform.onMessage = [&](const FakePlatform::Message&) {
                s->platform.onMessage = nullptr;
                midnightInside();
            };
            QTest::mouseClick(s->find<QLineEdit>("Text2"), Qt::LeftButton);
        }
        QCOMPARE(toldInside, 0);
        QCOMPARE(s->find<MouseLabel>("Label5")->text(), QString("10/03/05"));
        s->platform.messages.clear();
        checkTheDay(*s);
        QCOMPARE(s->find<MouseLabel>("Label5")->text(), QString("11/03/05"));
        QCOMPARE(s->platform.messageTexts(),
                 (QStringList{"A breve hai qualche scadenza!", "Scadenza scaduta da 2 giorni!",
                              "Oggi hai qualche scadenza!"}));
        checkTheDay(*s);
        QCOMPARE(s->platform.messages.size(), std::size_t(3));
    }

    void firstStartCreatesTheArchiveInTheWorkingFolderAndShowsAnEmptyCard()
    {
        auto s = startHere();
        QVERIFY(s->window);
        FakePlatform& platform = s->platform;
        MainWindow& w = *s->window;
        QVERIFY(platform.messages.empty());
        QCOMPARE(platform.modalWindows, QStringList{"Form1"});
        QVERIFY(QFileInfo::exists(archive()));
        QCOMPARE(QFileInfo(archive()).size(), 0);
        QVERIFY(!QFileInfo::exists(m_folders.programFile("Archivio.DAT")));
        for (const SlotRow& s : slotRows(&w)) {
            QVERIFY(s.date->text().isEmpty() && s.text->text().isEmpty());
            QCOMPARE(s.days->text(), QString("1"));
        }
        QTest::mouseClick(findControl<QPushButton>(&w, "cmdEsci"), Qt::LeftButton);
        QCOMPARE(platform.quits, 1);
        const QByteArray bytes = readBytes(archive());
        QCOMPARE(bytes.size(), 3002);
        QCOMPARE(bytes.mid(0, 100), QByteArray(100, ' '));
        QCOMPARE(bytes.mid(2000, 100), QByteArray("1").append(QByteArray(99, ' ')));
    }

    void chiudiInForm1EndsWithoutSavingAndLeavesTheArchiveAsItWas()
    {
        // A days text that is not a number would be repaired to "1" by a save.
        const QByteArray before = recordBytes(cardWith({{2, {"01/01/99", "vecchia", "x"}}}));
        writeBytes(archive(), before);
        StartedWindow s(m_folders);
        answerForm1(s.platform, NothingDueWindow::Quit);
        s.start();
        QVERIFY(!s.window);
        QCOMPARE(s.stop, Startup::Stop::UserClosed);
        QCOMPARE(readBytes(archive()), before);
    }

    void editOfSlotSevenIsSavedByExitButtonAndByClosingTheWindow()
    {
        for (const bool byClose : {false, true}) {
            const DeadlineCard card = cardWith({{7, {"", "vecchio", "1"}}});
            auto s = startWith(card, QDate(2005, 3, 10));
            QVERIFY(s->window);
            s->window->show();
            QLineEdit* r7 = s->find<QLineEdit>("R7");
            r7->selectAll();
            QTest::keyClicks(r7, "Dentista alle 9");
            if (byClose)
                QVERIFY(s->window->close());
            else
                QTest::mouseClick(s->find<QPushButton>("cmdEsci"), Qt::LeftButton);
            const DeadlineCard saved = cardOf(readBytes(archive()));
            QCOMPARE(QString::fromStdString(saved.fields[17 - 1]), QString("Dentista alle 9"));
            QCOMPARE(s->platform.quits, byClose ? 0 : 1);
        }
    }

    void emptyDaysBoxesStopTheExitAtTheFirstOne()
    {
        const QByteArray before = recordBytes(cardWith({}));
        auto s = startWith(cardWith({}), QDate(2005, 3, 10));
        s->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(s->window.get()));
        s->platform.messages.clear();
        // The number repair refills a box emptied by typing, so empty them around it.
        for (QLineEdit* days : {s->find<QLineEdit>("seg4"), s->find<QLineEdit>("seg9")}) {
            const QSignalBlocker quiet(days);
            days->clear();
        }
        QTest::mouseClick(s->find<QPushButton>("cmdEsci"), Qt::LeftButton);
        QCOMPARE(s->platform.messageTexts(),
                 QStringList{"inserire una segnalazione pari a 0 o superiore!"});
        QCOMPARE(QApplication::focusWidget(), s->find<QLineEdit>("seg4"));
        QCOMPARE(s->platform.quits, 0);
        QVERIFY(!s->window->close());
        QVERIFY(s->window->isVisible());
        QCOMPARE(s->platform.messages.size(), std::size_t(2));
        QCOMPARE(readBytes(archive()), before);
    }

    void onlyCardOneChangesInAThreeCardArchive()
    {
        QByteArray others;
        for (int i = 0; i < 6004; ++i)
            others.append(char(i % 251));
        writeBytes(archive(), recordBytes(cardWith({})) + others);
        auto s = startHere();
        QVERIFY(s->window);
        QTest::keyClicks(s->find<QLineEdit>("R1"), "Nuova");
        QTest::mouseClick(s->find<QPushButton>("cmdEsci"), Qt::LeftButton);
        const QByteArray after = readBytes(archive());
        QCOMPARE(after.size(), 9006);
        QCOMPARE(after.mid(3002), others);
        QCOMPARE(QString::fromStdString(cardOf(after).fields[10]), QString("Nuova"));
    }

    void anArchiveThatCannotBeOpenedIsNamedWithItsFolderAndReason()
    {
        QVERIFY(QDir(m_folders.workPath()).mkdir("Archivio.DAT"));
        auto s = startHere();
        QVERIFY(!s->window);
        QCOMPARE(s->stop, Startup::Stop::ArchiveError);
        QVERIFY2(saidOneArchiveWarning(
                     s->platform,
                     {"Archivio.DAT", QDir::toNativeSeparators(m_folders.workPath()), "cartella"}),
                 qPrintable(firstMessage(s->platform)));
        QVERIFY(QDir(m_folders.workPath()).rmdir("Archivio.DAT"));
    }

    void aCardThatCannotBeReadEndsTheStartAndIsNeverOverwritten()
    {
        struct UnreadableCardFile : CardFile {
            IoResult read(int, DeadlineCard&) override
            {
                return IoResult::failure("Impossibile leggere l'archivio: errore di lettura");
            }
        };
        const QByteArray before = recordBytes(cardWith({{3, {"10/03/05", "da tenere", "2"}}}));
        writeBytes(archive(), before);
        StartedWindow s(m_folders);
        s.start(std::make_unique<UnreadableCardFile>());
        QVERIFY(!s.window);
        QCOMPARE(s.stop, Startup::Stop::ArchiveError);
        QVERIFY2(saidOneArchiveWarning(s.platform, {"leggere l'archivio Archivio.DAT",
                                                    QDir::toNativeSeparators(m_folders.workPath()),
                                                    "errore di lettura"}),
                 qPrintable(firstMessage(s.platform)));
        QCOMPARE(readBytes(archive()), before);
    }

    void aSecondCopyOnTheSameArchiveIsToldAndEndsWhileTheFirstKeepsItsEdit()
    {
        auto first = startWith(cardWith({{2, {"01/01/99", "prima", "x"}}}), QDate(2005, 3, 10));
        QVERIFY(first->window);
        const QByteArray before = readBytes(archive());

        auto second = startHere();
        QVERIFY(!second->window);
        QCOMPARE(second->stop, Startup::Stop::ArchiveError);
        QVERIFY2(saidOneArchiveWarning(second->platform,
                                       {"già aperto", "Archivio.DAT",
                                        QDir::toNativeSeparators(m_folders.workPath())}),
                 qPrintable(firstMessage(second->platform)));
        QCOMPARE(readBytes(archive()), before);

        first->window->show();
        first->find<QLineEdit>("R2")->selectAll();
        QTest::keyClicks(first->find<QLineEdit>("R2"), "seconda");
        QTest::mouseClick(first->find<QPushButton>("cmdEsci"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(cardOf(readBytes(archive())).fields[11]),
                 QString("seconda"));
    }

#ifdef Q_OS_UNIX
    void aFailedSaveKeepsTheWindowAndTheEditsAndAllowsALaterExit()
    {
        auto s = startHere();
        QVERIFY(s->window); // a new, empty archive
        FakePlatform& platform = s->platform;
        MainWindow& w = *s->window;
        w.show();
        QTest::keyClicks(findControl<QLineEdit>(&w, "R3"), "da non perdere");

        // A file-size limit makes the write fail as a full disk would.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        QTest::mouseClick(findControl<QPushButton>(&w, "cmdEsci"), Qt::LeftButton);
        const bool closed = w.close();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);

        QVERIFY(!closed);
        QCOMPARE(platform.quits, 0);
        QCOMPARE(platform.messages.size(), std::size_t(2));
        QVERIFY(platform.messages[0].text.contains("NON sono state salvate"));
        QCOMPARE(findControl<QLineEdit>(&w, "R3")->text(), QString("da non perdere"));
        QVERIFY(readBytes(archive()).size() < 3002);

        QTest::mouseClick(findControl<QPushButton>(&w, "cmdEsci"), Qt::LeftButton);
        QCOMPARE(platform.quits, 1);
        QCOMPARE(QString::fromStdString(cardOf(readBytes(archive())).fields[12]),
                 QString("da non perdere"));
    }

    void aSaveTheDiskDoesNotConfirmIsAFailedSave()
    {
        // /dev/null takes the card's bytes but refuses to sync them.
        QVERIFY(QFile::link("/dev/null", archive()));
        auto s = startHere();
        QVERIFY(s->window);
        FakePlatform& platform = s->platform;
        MainWindow& w = *s->window;
        w.show();
        QTest::keyClicks(findControl<QLineEdit>(&w, "R3"), "da non perdere");
        QTest::mouseClick(findControl<QPushButton>(&w, "cmdEsci"), Qt::LeftButton);
        QVERIFY(!w.close());
        QCOMPARE(platform.quits, 0);
        QCOMPARE(platform.messages.size(), std::size_t(2));
        QVERIFY(platform.messages[0].text.contains("NON sono state salvate"));
        QVERIFY2(platform.messages[0].text.contains("sul disco"),
                 qPrintable(platform.messages[0].text));
        QVERIFY(w.isVisible());
        QCOMPARE(findControl<QLineEdit>(&w, "R3")->text(), QString("da non perdere"));
        QVERIFY(QFile::remove(archive()));
    }
#endif

    void typesFromTheListFillAllTenCombosWithAnEmptyEditText()
    {
        writeBytes(m_folders.programFile("lista.txt"), "Bollo\r\nLuce,Gas\r\n\r\nIMU");
        auto s = startWith(cardWith({{1, {"", "testo", "1"}}}), QDate(2005, 3, 10));
        for (const SlotRow& row : s->rows()) {
            QCOMPARE(row.type->count(), 5);
            QCOMPARE(row.type->itemText(1), QString("Luce"));
            QCOMPARE(row.type->itemText(3), QString());
            QCOMPARE(row.type->currentText(), QString());
        }
        // The card's texts replace what the type pick wrote at the fill.
        QCOMPARE(s->find<QLineEdit>("R1")->text(), QString("testo"));
        QCOMPARE(s->find<QLineEdit>("R2")->text(), QString());
    }

    void aMissingListLeavesTheCombosEmptyWithoutAMessage()
    {
        auto s = startWith(cardWith({{1, {"10/03/05", "", "1"}}}), QDate(2005, 3, 10));
        QVERIFY(s->window);
        QCOMPARE(s->find<QComboBox>("Combo1")->count(), 0);
        QCOMPARE(s->platform.messageTexts(), QStringList{"Oggi hai qualche scadenza!"});
    }

    void x11FirstUnlessTheUserChose_data()
    {
        QTest::addColumn<QByteArray>("set"); // null: not set
        QTest::addColumn<QByteArray>("used");
        QTest::newRow("not set") << QByteArray() << QByteArray("xcb;wayland");
        QTest::newRow("set empty") << QByteArray("") << QByteArray("xcb;wayland");
        QTest::newRow("wayland chosen") << QByteArray("wayland") << QByteArray("wayland");
        QTest::newRow("xcb chosen") << QByteArray("xcb") << QByteArray("xcb");
    }
    void x11FirstUnlessTheUserChose()
    {
        QFETCH(QByteArray, set);
        QFETCH(QByteArray, used);
        const QByteArray before = qgetenv("QT_QPA_PLATFORM");
        const QByteArray mitshm = qgetenv("QT_XCB_NO_MITSHM");
        const bool mitshmSet = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
        if (set.isNull())
            qunsetenv("QT_QPA_PLATFORM");
        else
            qputenv("QT_QPA_PLATFORM", set);
        chooseDisplayServer();
        const QByteArray after = qgetenv("QT_QPA_PLATFORM");
        qputenv("QT_QPA_PLATFORM", before);
        if (mitshmSet)
            qputenv("QT_XCB_NO_MITSHM", mitshm);
        else
            qunsetenv("QT_XCB_NO_MITSHM");
#ifdef Q_OS_LINUX
        QCOMPARE(after, used);
#else
        QCOMPARE(after, set);
#endif
    }
};

QTEST_MAIN(LifecycleTest)
#include "lifecycle_test.moc"
