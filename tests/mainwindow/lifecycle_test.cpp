// The main window from start to exit: the start-up notices in their order, Form1, the save
// of card 1 at exit, and what happens when the archive fails.

#include "card_builder.h"
#include "fake_platform.h"
#include "mainwindow/frmtelefono.h"
#include "widgets/look.h"
#include "windows/form1.h"

#include <csignal>
#include <QAccessible>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

class LifecycleTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_work;    // the working folder: Archivio.DAT
    QTemporaryDir m_program; // the program folder: lista.txt
    QString m_previousFolder;

    QString archive() const { return QDir(m_work.path()).filePath("Archivio.DAT"); }

    static void answerForm1(FakePlatform& platform, int choice)
    {
        platform.onModal = [choice](QDialog* d) {
            auto* form = qobject_cast<Form1*>(d);
            QVERIFY(form);
            QTest::mouseClick(choice == Form1::Quit ? form->ui.Command1 : form->ui.Command2,
                              Qt::LeftButton);
        };
    }

    struct Started {
        FakePlatform platform;
        std::unique_ptr<frmTelefono> window;
        bool ok = false;
    };

    std::unique_ptr<Started> startWith(const DeadlineCard& card, QDate today)
    {
        writeBytes(archive(), recordBytes(card));
        auto s = std::make_unique<Started>();
        s->platform.todayDate = today;
        s->platform.folder = m_program.path();
        s->window = std::make_unique<frmTelefono>(s->platform);
        s->ok = s->window->start();
        return s;
    }

    static QWidget* visibleForm2()
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == "Form2" && top->isVisible())
                return top;
        }
        return nullptr;
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

    static QColor colourOf(frmTelefono& w, const char* name)
    {
        return backColour(w.findChild<QWidget*>(name));
    }

    // What a screen reader says of a box beyond its name.
    static QString descriptionOf(frmTelefono& w, const char* name)
    {
        return QAccessible::queryAccessibleInterface(w.findChild<QWidget*>(name))
            ->text(QAccessible::Description);
    }

    // What a user sees of a start and its exit: messages, Form1, and then every slot's
    // boxes, colours and type entries, and the archive's bytes after cmdEsci.
    QStringList startAndLeave(const QByteArray& record, frmTelefono::Build build, bool quit)
    {
        writeBytes(archive(), record);
        FakePlatform platform;
        platform.todayDate = QDate(2005, 3, 10);
        platform.folder = m_program.path();
        if (quit)
            answerForm1(platform, Form1::Quit);
        frmTelefono w(platform, std::make_unique<CardFile>(), nullptr, build);
        QStringList seen{QString::number(w.start())};
        for (const FakePlatform::Message& m : platform.messages)
            seen << m.text + " " + QString::number(int(m.icon));
        seen << platform.modalWindows;
        if (!quit) {
            seen << w.ui.Label5->text();
            for (const SlotControls& s : w.ui.rows) {
                seen << s.date->text() << s.text->text() << s.days->text()
                     << backColour(s.date).name() << backColour(s.days).name()
                     << s.type->currentText() << QString::number(s.type->count())
                     << s.type->itemText(0)
                     << QAccessible::queryAccessibleInterface(s.date)->text(
                            QAccessible::Description);
            }
            QTest::mouseClick(w.ui.cmdEsci, Qt::LeftButton);
        }
        seen << QString::fromLatin1(readBytes(archive()).toHex());
        return seen;
    }

private slots:
    void init()
    {
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_work.path());
        QFile::remove(archive());
        QFile::remove(QDir(m_program.path()).filePath("lista.txt"));
    }
    void cleanup() { QDir::setCurrent(m_previousFolder); }

    void startBeforeTheControlsGivesWhatTheBuiltWindowGives()
    {
        writeBytes(QDir(m_program.path()).filePath("lista.txt"), "Bollo\r\nLuce");
        const QByteArray pad = QByteArray(100, 'x');
        // Raw fields (slot, date, text, days) for what no editing rule would let through.
        const struct {
            const char* name;
            std::vector<std::array<QByteArray, 4>> rows;
            bool quit;
        } cards[] = {
            {"days text that is no number",
             {{"4", "12/03/05", "Luce", "x2"},
              {"5", "11/03/05", "Gas", ""},
              {"6", "13/03/05", "", "-3"},
              {"7", "14/03/05", "", "1.5"}},
             false},
            {"empty and junk dates",
             {{"1", "", "Bollo", "1"},
              {"2", "ab/cd/ef", "", "1"},
              {"3", "10/3/05", "", "0"},
              {"4", "31/02/05", "", "1"},
              {"8", "\xe8\xe8/03/05", "", "1"}},
             false},
            {"texts at the length limit",
             {{"1", "10/03/05" + pad, pad, "123"},
              {"2", "09/03/2005", "\xe8" + pad, "1"},
              {"3", "11/03/05", "", "01" + pad}},
             false},
            {"every slot due",
             {{"1", "10/03/05", "a", "1"},
              {"2", "10/03/05", "b", "0"},
              {"3", "10/03/05", "", "1"},
              {"4", "10/03/05", "", "1"},
              {"5", "10/03/05", "", "1"},
              {"6", "10/03/05", "", "1"},
              {"7", "10/03/05", "", "1"},
              {"8", "10/03/05", "", "1"},
              {"9", "10/03/05", "", "1"},
              {"10", "10/03/05", "", "99"}},
             false},
            {"nothing due, Chiudi", {{"3", "08/03/05", "", "zz"}}, true},
            {"nothing due, Apri", {{"3", "08/03/05", "", "zz"}}, false},
        };
        for (const auto& card : cards) {
            QByteArray record(DeadlineCard::RecordSize, ' ');
            for (const SlotBinding& b : kSlots)
                record.replace((b.daysField - 1) * 100, 1, "1");
            for (const auto& [slot, date, text, days] : card.rows) {
                const SlotBinding& b = kSlots[slot.toInt() - 1];
                const int fields[] = {b.dateField, b.textField, b.daysField};
                const QByteArray values[] = {date, text, days};
                for (int i = 0; i < 3; ++i)
                    record.replace((fields[i] - 1) * 100, 100,
                                   values[i].leftJustified(100, ' ', true));
            }
            const QStringList built = startAndLeave(record, frmTelefono::Build::Now, card.quit);
            const QStringList later =
                startAndLeave(record, frmTelefono::Build::AfterNotices, card.quit);
            QVERIFY2(built == later, card.name);
            QVERIFY2(built.size() > 3, card.name);
        }
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
        QVERIFY(s->ok);
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
        QCOMPARE(s->window->ui.Label5->text(), QString("10/03/05"));
        // The colours in words, on the slots' date boxes; the tooltip stays for the rest.
        QVERIFY(descriptionOf(*s->window, "txtTelefono").startsWith("SCADENZA TRA' BREVE. "));
        QVERIFY(descriptionOf(*s->window, "txtNome").startsWith("SCADENZA SCADUTA. "));
        QVERIFY(descriptionOf(*s->window, "txtCommenti").startsWith("SCADENZA SCADUTA. "));
        QCOMPARE(descriptionOf(*s->window, "txtData2"), s->window->ui.txtData2->toolTip());
    }

    void colourOfOneAndTwoDaysComesBeforeTheMessageAndOfThreeDaysAfter()
    {
        writeBytes(archive(),
                   recordBytes(cardWith({{5, {"08/03/05", "", "1"}}, {6, {"07/03/05", "", "1"}}})));
        FakePlatform platform;
        platform.folder = m_program.path();
        frmTelefono w(platform);
        QStringList seen; // the colours of seg5 and seg6 as each message shows
        platform.onMessage = [&](const FakePlatform::Message&) {
            seen << backColour(w.ui.seg5).name() + " " + backColour(w.ui.seg6).name();
        };
        QVERIFY(w.start());
        QCOMPARE(platform.messageTexts(),
                 QStringList({"Scadenza scaduta da 2 giorni!", "Scadenza scaduta da 3 giorni!"}));
        QCOMPARE(seen, QStringList({"#c0ffc0 #400000", "#c0ffc0 #400000"}));
        QCOMPARE(backColour(w.ui.seg6), QColor(192, 255, 192));
    }

    void dueTodayWithNoAdvanceIsBothSoonAndTodayWithoutForm1()
    {
        auto s = startWith(cardWith({{3, {"10/03/05", "Tassa", "0"}}}), QDate(2005, 3, 10));
        QVERIFY(s->ok);
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
        QCOMPARE(s->window->ui.Label5->text(), QString("01/01/05"));
    }

    void firstStartCreatesTheArchiveInTheWorkingFolderAndShowsAnEmptyCard()
    {
        FakePlatform platform;
        platform.folder = m_program.path();
        frmTelefono w(platform);
        QVERIFY(w.start());
        QVERIFY(platform.messages.empty());
        QCOMPARE(platform.modalWindows, QStringList{"Form1"});
        QVERIFY(QFileInfo::exists(archive()));
        QCOMPARE(QFileInfo(archive()).size(), 0);
        QVERIFY(!QFileInfo::exists(QDir(m_program.path()).filePath("Archivio.DAT")));
        for (const SlotControls& s : w.ui.rows) {
            QVERIFY(s.date->text().isEmpty() && s.text->text().isEmpty());
            QCOMPARE(s.days->text(), QString("1"));
        }
        QTest::mouseClick(w.ui.cmdEsci, Qt::LeftButton);
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
        FakePlatform platform;
        platform.folder = m_program.path();
        answerForm1(platform, Form1::Quit);
        {
            frmTelefono w(platform);
            QVERIFY(!w.start());
            QCOMPARE(w.stopReason(), frmTelefono::Stop::UserClosed);
            QVERIFY(!w.isVisible());
        }
        QCOMPARE(readBytes(archive()), before);
    }

    void editOfSlotSevenIsSavedByExitButtonAndByClosingTheWindow()
    {
        for (const bool byClose : {false, true}) {
            const DeadlineCard card = cardWith({{7, {"", "vecchio", "1"}}});
            auto s = startWith(card, QDate(2005, 3, 10));
            QVERIFY(s->ok);
            s->window->show();
            QLineEdit* r7 = s->window->ui.R7;
            r7->selectAll();
            QTest::keyClicks(r7, "Dentista alle 9");
            if (byClose)
                QVERIFY(s->window->close());
            else
                QTest::mouseClick(s->window->ui.cmdEsci, Qt::LeftButton);
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
        for (QLineEdit* days : {s->window->ui.seg4, s->window->ui.seg9}) {
            const QSignalBlocker quiet(days);
            days->clear();
        }
        QTest::mouseClick(s->window->ui.cmdEsci, Qt::LeftButton);
        QCOMPARE(s->platform.messageTexts(),
                 QStringList{"inserire una segnalazione pari a 0 o superiore!"});
        QCOMPARE(QApplication::focusWidget(), s->window->ui.seg4);
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
        FakePlatform platform;
        platform.folder = m_program.path();
        frmTelefono w(platform);
        QVERIFY(w.start());
        QTest::keyClicks(w.ui.R1, "Nuova");
        QTest::mouseClick(w.ui.cmdEsci, Qt::LeftButton);
        const QByteArray after = readBytes(archive());
        QCOMPARE(after.size(), 9006);
        QCOMPARE(after.mid(3002), others);
        QCOMPARE(QString::fromStdString(cardOf(after).fields[10]), QString("Nuova"));
    }

    void anArchiveThatCannotBeOpenedIsNamedWithItsFolderAndReason()
    {
        QVERIFY(QDir(m_work.path()).mkdir("Archivio.DAT"));
        FakePlatform platform;
        platform.folder = m_program.path();
        frmTelefono w(platform);
        QVERIFY(!w.start());
        QCOMPARE(w.stopReason(), frmTelefono::Stop::ArchiveError);
        QVERIFY2(
            saidOneArchiveWarning(
                platform, {"Archivio.DAT", QDir::toNativeSeparators(m_work.path()), "cartella"}),
            qPrintable(firstMessage(platform)));
        QVERIFY(QDir(m_work.path()).rmdir("Archivio.DAT"));
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
        FakePlatform platform;
        platform.folder = m_program.path();
        {
            frmTelefono w(platform, std::make_unique<UnreadableCardFile>());
            QVERIFY(!w.start());
            QCOMPARE(w.stopReason(), frmTelefono::Stop::ArchiveError);
            QVERIFY(!w.isVisible());
            // Even a close that reaches the window writes nothing.
            w.close();
        }
        QVERIFY2(saidOneArchiveWarning(platform, {"leggere l'archivio Archivio.DAT",
                                                  QDir::toNativeSeparators(m_work.path()),
                                                  "errore di lettura"}),
                 qPrintable(firstMessage(platform)));
        QCOMPARE(readBytes(archive()), before);
    }

    void aSecondCopyOnTheSameArchiveIsToldAndEndsWhileTheFirstKeepsItsEdit()
    {
        auto first = startWith(cardWith({{2, {"01/01/99", "prima", "x"}}}), QDate(2005, 3, 10));
        QVERIFY(first->ok);
        const QByteArray before = readBytes(archive());

        FakePlatform platform;
        platform.folder = m_program.path();
        {
            frmTelefono second(platform);
            QVERIFY(!second.start());
            QCOMPARE(second.stopReason(), frmTelefono::Stop::ArchiveError);
        }
        QVERIFY2(saidOneArchiveWarning(platform, {"già aperto", "Archivio.DAT",
                                                  QDir::toNativeSeparators(m_work.path())}),
                 qPrintable(firstMessage(platform)));
        QCOMPARE(readBytes(archive()), before);

        first->window->show();
        first->window->ui.R2->selectAll();
        QTest::keyClicks(first->window->ui.R2, "seconda");
        QTest::mouseClick(first->window->ui.cmdEsci, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(cardOf(readBytes(archive())).fields[11]),
                 QString("seconda"));
    }

#ifdef Q_OS_UNIX
    void aFailedSaveKeepsTheWindowAndTheEditsAndAllowsALaterExit()
    {
        FakePlatform platform;
        platform.folder = m_program.path();
        frmTelefono w(platform);
        QVERIFY(w.start()); // a new, empty archive
        w.show();
        QTest::keyClicks(w.ui.R3, "da non perdere");

        // A file-size limit makes the write fail as a full disk would.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        QTest::mouseClick(w.ui.cmdEsci, Qt::LeftButton);
        const bool closed = w.close();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);

        QVERIFY(!closed);
        QCOMPARE(platform.quits, 0);
        QCOMPARE(platform.messages.size(), std::size_t(2));
        QVERIFY(platform.messages[0].text.contains("NON sono state salvate"));
        QCOMPARE(w.ui.R3->text(), QString("da non perdere"));
        QVERIFY(readBytes(archive()).size() < 3002);

        QTest::mouseClick(w.ui.cmdEsci, Qt::LeftButton);
        QCOMPARE(platform.quits, 1);
        QCOMPARE(QString::fromStdString(cardOf(readBytes(archive())).fields[12]),
                 QString("da non perdere"));
    }

    void aSaveTheDiskDoesNotConfirmIsAFailedSave()
    {
        // /dev/null takes the card's bytes but refuses to sync them.
        QVERIFY(QFile::link("/dev/null", archive()));
        FakePlatform platform;
        platform.folder = m_program.path();
        frmTelefono w(platform);
        QVERIFY(w.start());
        w.show();
        QTest::keyClicks(w.ui.R3, "da non perdere");
        QTest::mouseClick(w.ui.cmdEsci, Qt::LeftButton);
        QVERIFY(!w.close());
        QCOMPARE(platform.quits, 0);
        QCOMPARE(platform.messages.size(), std::size_t(2));
        QVERIFY(platform.messages[0].text.contains("NON sono state salvate"));
        QVERIFY2(platform.messages[0].text.contains("sul disco"),
                 qPrintable(platform.messages[0].text));
        QVERIFY(w.isVisible());
        QCOMPARE(w.ui.R3->text(), QString("da non perdere"));
        QVERIFY(QFile::remove(archive()));
    }
#endif

    void typesFromTheListFillAllTenCombosWithAnEmptyEditText()
    {
        writeBytes(QDir(m_program.path()).filePath("lista.txt"), "Bollo\r\nLuce,Gas\r\n\r\nIMU");
        auto s = startWith(cardWith({{1, {"", "testo", "1"}}}), QDate(2005, 3, 10));
        for (const SlotControls& row : s->window->ui.rows) {
            QCOMPARE(row.type->count(), 5);
            QCOMPARE(row.type->itemText(1), QString("Luce"));
            QCOMPARE(row.type->itemText(3), QString());
            QCOMPARE(row.type->currentText(), QString());
        }
        // The card's texts replace what the type pick wrote at the fill.
        QCOMPARE(s->window->ui.R1->text(), QString("testo"));
        QCOMPARE(s->window->ui.R2->text(), QString());
    }

    void aMissingListLeavesTheCombosEmptyWithoutAMessage()
    {
        auto s = startWith(cardWith({{1, {"10/03/05", "", "1"}}}), QDate(2005, 3, 10));
        QVERIFY(s->ok);
        QCOMPARE(s->window->ui.Combo1->count(), 0);
        QCOMPARE(s->platform.messageTexts(), QStringList{"Oggi hai qualche scadenza!"});
    }

    void infoOpensForm2AndMinimisesItsButtonRestores()
    {
        auto s = startWith(cardWith({{1, {"10/03/05", "", "1"}}}), QDate(2005, 3, 10));
        s->window->show();
        QVERIFY(QTest::qWaitForWindowActive(s->window.get()));
        // The click on "Info", and for the keyboard F1 and Enter on "Info".
        const std::function<void()> ways[] = {
            [&] { QTest::mouseClick(s->window->ui.Label1, Qt::LeftButton); },
            [&] { QTest::keyClick(s->window.get(), Qt::Key_F1); },
            [&] { QTest::keyClick(s->window->ui.Label1, Qt::Key_Return); },
        };
        for (const auto& open : ways) {
            open();
            QWidget* form2 = visibleForm2();
            QVERIFY(form2);
            QVERIFY(s->window->isMinimized());
            // The one clock goes on while Form2, whose banner it moves, is in sight.
            QVERIFY(s->window->ui.Timer1->isActive());
            auto* exit = form2->findChild<QPushButton*>("Command1");
            QTest::mouseClick(exit, Qt::LeftButton);
            QVERIFY(!s->window->isMinimized());
            QTRY_VERIFY(!form2->isVisible());
            QApplication::setActiveWindow(s->window.get());
            QVERIFY(QTest::qWaitForWindowActive(s->window.get()));
        }
    }

    void form2LeftAfterTheMainWindowClosedDoesNotBringItBack()
    {
        auto s = startWith(cardWith({{1, {"10/03/05", "", "1"}}}), QDate(2005, 3, 10));
        s->window->show();
        QTest::mouseClick(s->window->ui.Label1, Qt::LeftButton);
        QWidget* form2 = visibleForm2();
        QVERIFY(form2);
        QVERIFY(s->window->close()); // saved and closed
        QTest::mouseClick(form2->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(!s->window->isVisible());
        QTRY_VERIFY(!form2->isVisible());
    }
};

QTEST_MAIN(LifecycleTest)
#include "lifecycle_test.moc"
