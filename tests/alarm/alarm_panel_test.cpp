// The alarm on the real main window with the fake platform: the panel's picks, arming,
// the count tick by tick, the notice and its sound, acknowledging and cancelling.

#include "alarm/alarm_notice.h"
#include "started_window.h"
#include "widgets/look.h"
#include "widgets/texts.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>

class AlarmPanelTest : public QObject {
    Q_OBJECT

    // A new archive, and sounds (and a file that is none) in the program folder.
    static std::unique_ptr<StartedWindow> started()
    {
        auto s = std::make_unique<StartedWindow>();
        for (const char* name : {"tel.wav", "appu.wav", "campana.wav", "Bip.WAV", "note.txt"})
            s->folders.writeProgramFile(name);
        if (!s->start())
            return nullptr;
        s->platform.modalWindows.clear();
        s->window->show();
        return s;
    }

    // A pick from the drop-down list, as the user makes it.
    static void pick(QComboBox* box, const QString& text)
    {
        const int index = box->findText(text, Qt::MatchExactly);
        QVERIFY2(index >= 0, qPrintable(text));
        box->showPopup();
        QAbstractItemView* view = box->view();
        view->setCurrentIndex(box->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(box->currentText(), text);
    }

    static QStringList items(const QComboBox* box)
    {
        QStringList list;
        for (int i = 0; i < box->count(); ++i)
            list << box->itemText(i);
        return list;
    }

    static QStringList oneTo480()
    {
        QStringList list;
        for (int m = 1; m <= 480; ++m)
            list << QString::number(m);
        return list;
    }

    // One tick of the alarm timer a second after the last, driven by the test; the real
    // timer is slowed so that it never ticks on its own during the test.
    static void tick(StartedWindow& s, qint64 ms = 1000)
    {
        s.platform.passTime(ms);
        QMetaObject::invokeMethod(s.find<QTimer>("tmrAll"), "timeout");
    }

    static void arm(StartedWindow& s, const QString& type, const QString& minutes)
    {
        QTest::mouseClick(s.find<QPushButton>("Command5"), Qt::LeftButton);
        pick(s.find<QComboBox>("cboAl"), type);
        pick(s.find<QComboBox>("cboMin"), minutes);
        QTest::mouseClick(s.find<QPushButton>("cmdMinimiz"), Qt::LeftButton);
        QVERIFY(s.find<QTimer>("tmrAll")->isActive());
        s.find<QTimer>("tmrAll")->setInterval(3600 * 1000);
    }

    static void clickFile(FileList* list, const QString& name)
    {
        const auto found = list->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.first()).center());
    }

    static bool shown(QWidget* control) { return control->isVisibleTo(control->window()); }

    static QString panelState(StartedWindow& s)
    {
        QStringList visible;
        for (const char* name :
             {"Shape7",    "Label11",  "Label12",       "Label13",    "lblOre",  "Label14",
              "cboAl",     "cboMin",   "cmdInfo",       "cmdMinimiz", "cmdChud", "LabelTesto",
              "TestoAl",   "prova",    "labelPerProva", "File1",      "ann",     "shaAl",
              "lblAttivo", "Label111", "lin3",          "Image3"}) {
            QWidget* c = s.find<QWidget>(name);
            if (shown(c))
                visible << c->objectName();
        }
        return visible.join(' ');
    }

private slots:
    void openingListsTypesAndMinutesOnceEvenOnASecondPress()
    {
        auto s = started();
        QVERIFY(s);
        QPushButton* Command5 = s->find<QPushButton>("Command5");
        QComboBox* cboAl = s->find<QComboBox>("cboAl");
        QComboBox* cboMin = s->find<QComboBox>("cboMin");
        QCOMPARE(panelState(*s), QString());
        QTest::mouseClick(Command5, Qt::LeftButton);
        QCOMPARE(panelState(*s), QString("Shape7 Label11 Label12 Label13 lblOre Label14 cboAl "
                                         "cboMin cmdInfo cmdMinimiz cmdChud LabelTesto TestoAl"));
        QCOMPARE(items(cboAl),
                 QStringList({"Telefonata", "Appuntamento", "Impegno", "Mio Allarme"}));
        QCOMPARE(items(cboMin), oneTo480());
        QCOMPARE(cboAl->currentText(), QString());
        QCOMPARE(s->find<MouseLabel>("lblOre")->text(), QString());
        QCOMPARE(s->find<MouseLabel>("Label14")->text(), QString("ore"));
        QCOMPARE(s->find<Shape>("Shape7")->width(), 7575 / 15);
        QVERIFY(cboAl->isEnabled() && s->find<QPushButton>("cmdInfo")->isEnabled() &&
                Command5->isEnabled());
        QVERIFY(!cboMin->isEnabled() && !s->find<QPushButton>("cmdMinimiz")->isEnabled());

        pick(cboAl, "Impegno");
        QVERIFY(cboMin->isEnabled());
        QTest::mouseClick(Command5, Qt::LeftButton);
        QCOMPARE(items(cboAl),
                 QStringList({"Telefonata", "Appuntamento", "Impegno", "Mio Allarme"}));
        QCOMPARE(items(cboMin), oneTo480());
        QCOMPARE(cboAl->currentText(), QString("Impegno"));
    }

    void minutesPickShowsTheEquivalentAndSetsTheTarget()
    {
        auto s = started();
        QVERIFY(s);
        QTest::mouseClick(s->find<QPushButton>("Command5"), Qt::LeftButton);
        pick(s->find<QComboBox>("cboAl"), "Telefonata");
        const QList<QStringList> rows = {
            {"59", "59", "Min.", "3540"},   {"60", "1:0", "Ore.", "3600"},
            {"1", "1", "Min.", "60"},       {"61", "1:1", "Ore.", "3660"},
            {"90", "1:30", "Ore.", "5400"}, {"125", "2:5", "Ore.", "7500"},
            {"480", "8:0", "Ore.", "28800"}};
        for (const QStringList& row : rows) {
            pick(s->find<QComboBox>("cboMin"), row[0]);
            QCOMPARE(s->find<MouseLabel>("lblOre")->text(), row[1]);
            QCOMPARE(s->find<MouseLabel>("Label14")->text(), row[2]);
            QCOMPARE(s->find<QLineEdit>("txtUltima")->text(), row[3]);
            QVERIFY(s->find<QPushButton>("cmdMinimiz")->isEnabled());
        }
    }

    void customFileIsKeptOnlyWhileMioAllarmeIsChosen()
    {
        auto s = started();
        QVERIFY(s);
        Shape* Shape7 = s->find<Shape>("Shape7");
        QComboBox* cboAl = s->find<QComboBox>("cboAl");
        QLineEdit* prova = s->find<QLineEdit>("prova");
        MouseLabel* labelPerProva = s->find<MouseLabel>("labelPerProva");
        FileList* File1 = s->find<FileList>("File1");
        MouseLabel* ann = s->find<MouseLabel>("ann");
        QTest::mouseClick(s->find<QPushButton>("Command5"), Qt::LeftButton);
        pick(cboAl, "Mio Allarme");
        QVERIFY(shown(prova) && shown(labelPerProva) && shown(File1));
        QVERIFY(!shown(ann));
        QCOMPARE(Shape7->width(), 9375 / 15);
        QCOMPARE(labelPerProva->text(),
                 QString("Selezionare il nome del file wav  personalizzato:"));
        QStringList listed;
        for (int i = 0; i < File1->count(); ++i)
            listed << File1->item(i)->text();
        QCOMPARE(listed, QStringList({"appu.wav", "Bip.WAV", "campana.wav", "tel.wav"}));

        clickFile(File1, "campana.wav");
        QCOMPARE(prova->text(), QString("campana.wav"));
        QCOMPARE(labelPerProva->text(), QString("OK! File inserito"));
        QVERIFY(shown(ann));
        pick(cboAl, "Mio Allarme");
        QCOMPARE(prova->text(), QString("campana.wav"));

        pick(cboAl, "Telefonata");
        QCOMPARE(prova->text(), QString());
        QCOMPARE(labelPerProva->text(),
                 QString("Selezionare il nome del file wav  personalizzato:"));
        QVERIFY(!shown(ann) && !shown(prova) && !shown(labelPerProva) && !shown(File1));
        QCOMPARE(Shape7->width(), 7575 / 15);
        pick(cboAl, "Mio Allarme");
        QCOMPARE(prova->text(), QString());
        QCOMPARE(labelPerProva->text(),
                 QString("Selezionare il nome del file wav  personalizzato:"));

        clickFile(File1, "tel.wav");
        QTest::mouseClick(ann, Qt::LeftButton);
        QCOMPARE(prova->text(), QString());
        QCOMPARE(labelPerProva->text(),
                 QString("Selezionare il nome del file wav  personalizzato:"));
        QVERIFY(!shown(ann));
    }

    void fullTextWarnsAtTheNextKeyThenTheKeyTakesEffect()
    {
        auto s = started();
        QVERIFY(s);
        LimitedTextEdit* TestoAl = s->find<LimitedTextEdit>("TestoAl");
        QTest::mouseClick(s->find<QPushButton>("Command5"), Qt::LeftButton);
        QTest::mouseClick(s->find<MouseLabel>("LabelTesto"), Qt::LeftButton);
        QCOMPARE(s->window->focusWidget(), TestoAl);
        QTest::keyClicks(TestoAl, QString(99, 'a') + "z");
        QCOMPARE(TestoAl->toPlainText().size(), 100);
        QVERIFY(s->platform.messages.empty());
        // The message comes first, then Backspace deletes the character before the caret.
        s->platform.onMessage = [&](const FakePlatform::Message&) {
            QCOMPARE(TestoAl->toPlainText().size(), 100);
        };
        QTest::keyClick(TestoAl, Qt::Key_Backspace);
        QCOMPARE(s->platform.messageTexts(), QStringList{kLengthLimitMessage});
        QCOMPARE(s->platform.messages[0].icon, Platform::Icon::None);
        QCOMPARE(s->platform.beeps, 1);
        QCOMPARE(TestoAl->toPlainText(), QString(99, 'a'));
        QTest::keyClick(TestoAl, 'b');
        QCOMPARE(s->platform.messages.size(), std::size_t(1));
        QTest::keyClick(TestoAl, 'c');
        QCOMPARE(s->platform.messages.size(), std::size_t(2));
        QCOMPARE(s->platform.beeps, 2);
        QCOMPARE(TestoAl->toPlainText(), QString(99, 'a') + "b");
    }

    void theTextLimitHoldsForEveryKindOfInput_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("one key of several characters") << "key";
        QTest::newRow("composed") << "composed";
        QTest::newRow("pasted") << "pasted";
        QTest::newRow("dropped") << "dropped";
    }

    void theTextLimitHoldsForEveryKindOfInput()
    {
        QFETCH(QString, how);
        auto s = started();
        QVERIFY(s);
        LimitedTextEdit* TestoAl = s->find<LimitedTextEdit>("TestoAl");
        QTest::mouseClick(s->find<QPushButton>("Command5"), Qt::LeftButton);
        QTest::mouseClick(s->find<MouseLabel>("LabelTesto"), Qt::LeftButton);
        QTest::keyClicks(TestoAl, QString(98, 'a'));
        const QString more = QString::fromUtf8("èéx");
        if (how == "key") {
            QTest::sendKeyEvent(QTest::Click, TestoAl, Qt::Key_unknown, more, Qt::NoModifier);
        } else if (how == "composed") {
            QInputMethodEvent composed;
            composed.setCommitString(more);
            QApplication::sendEvent(TestoAl, &composed);
        } else if (how == "pasted") {
            QApplication::clipboard()->setText(more);
            TestoAl->paste();
        } else {
            QMimeData data;
            data.setText(more);
            QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(TestoAl->viewport(), &enter);
            QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(TestoAl->viewport(), &drop);
        }
        QCOMPARE(TestoAl->toPlainText().size(), 100);
        QVERIFY(TestoAl->toPlainText().contains(QString::fromUtf8("èé")));
        // At exactly 100 the next key warns, as for typed text.
        QTest::keyClick(TestoAl, 'z');
        QCOMPARE(s->platform.messageTexts(), QStringList{kLengthLimitMessage});
        QCOMPARE(TestoAl->toPlainText().size(), 100);
    }

    void helpPlaysTheSpokenHelpThenShowsNineLines()
    {
        auto s = started();
        QVERIFY(s);
        QTest::mouseClick(s->find<QPushButton>("Command5"), Qt::LeftButton);
        s->platform.onMessage = [&](const FakePlatform::Message&) {
            QCOMPARE(s->platform.played, QStringList{s->folders.programPath() + "/diffusori.wav"});
        };
        QTest::mouseClick(s->find<QPushButton>("cmdInfo"), Qt::LeftButton);
        QCOMPARE(s->platform.messages.size(), std::size_t(1));
        QCOMPARE(s->platform.messages[0].icon, Platform::Icon::Information);
        QCOMPARE(s->platform.messages[0].text.split("\r\n"),
                 QStringList({"Selezionare il tipo di allarme",
                              "in modo da ricevere un segnale acustico",
                              "appropriato, il quale entrerà in funzione allo scadere",
                              "dei minuti selezionati dalla casella apposita.",
                              "(per un massimo di 480 minuti = 8 ore)",
                              "Questo strumento resta in funzione solo e sempre",
                              "dopo aver premuto il pulsante OK.", "-----",
                              "Naturalmente ALZARE il volume dei diffusori audio!"}));
    }

    void oneMinuteAlarmNoticesAtTheSixtiethTickOnce()
    {
        auto s = started();
        QVERIFY(s);
        QPushButton* Command5 = s->find<QPushButton>("Command5");
        LimitedTextEdit* TestoAl = s->find<LimitedTextEdit>("TestoAl");
        QPushButton* cmdMinimiz = s->find<QPushButton>("cmdMinimiz");
        QComboBox* cboMin = s->find<QComboBox>("cboMin");
        QComboBox* cboAl = s->find<QComboBox>("cboAl");
        MouseLabel* Label111 = s->find<MouseLabel>("Label111");
        QTest::mouseClick(Command5, Qt::LeftButton);
        QTest::keyClicks(TestoAl, "Chiamare Rossi");
        arm(*s, "Telefonata", "1");
        QVERIFY(s->window->isMinimized());
        QVERIFY(!Command5->isEnabled() && !s->find<QPushButton>("cmdInfo")->isEnabled() &&
                !cmdMinimiz->isEnabled() && !cboMin->isEnabled() && !cboAl->isEnabled());
        QVERIFY(shown(Label111) && shown(s->find<Line>("lin3")) && shown(s->find<Shape>("shaAl")) &&
                shown(s->find<MouseLabel>("lblAttivo")) && shown(s->find<MouseLabel>("Image3")));
        QVERIFY(s->find<QPushButton>("cmdChud")->isEnabled() && TestoAl->isEnabled());

        int notices = 0;
        s->platform.onModal = [&](QDialog* d) {
            ++notices;
            auto* notice = qobject_cast<AlarmNotice*>(d);
            QVERIFY(notice);
            QCOMPARE(Label111->text(), QString("60"));
            QCOMPARE(s->window->windowTitle(), QString("Allarme Attivo da: 59 sec."));
            QCOMPARE(findControl<MouseLabel>(notice, "Label1")->text(), QString("Attenzione!"));
            QCOMPARE(findControl<MouseLabel>(notice, "Label2")->text(), QString("Telefonata"));
            QCOMPARE(findControl<MouseLabel>(notice, "Label3")->text(), QString("Chiamare Rossi"));
            QCOMPARE(s->platform.played, QStringList{s->folders.programPath() + "/tel.wav"});
            QVERIFY(s->window->isMinimized());
            // Ticks go on while the notice is open; the counter passes the target.
            tick(*s);
            tick(*s);
            QCOMPARE(Label111->text(), QString("62"));
            QCOMPARE(s->window->windowTitle(), QString("Allarme Attivo da: 61 sec."));
            QTest::mouseClick(findControl<QPushButton>(notice, "Command1"), Qt::LeftButton);
        };
        for (int n = 1; n <= 60; ++n) {
            tick(*s);
            QCOMPARE(notices, n == 60 ? 1 : 0);
            if (n < 60)
                QCOMPARE(s->window->windowTitle(),
                         QString("Allarme Attivo da: %1 sec.").arg(n - 1));
        }
        QCOMPARE(s->platform.modalWindows, QStringList{"Form3"});
        QCOMPARE(s->platform.played.size(), 1);
        QVERIFY(!s->window->isMinimized());
        QVERIFY(!s->find<QTimer>("tmrAll")->isActive());
        QCOMPARE(s->window->windowTitle(), QString("Tempestina10"));
        QCOMPARE(panelState(*s), QString());
        QVERIFY(Command5->isEnabled() && !cboMin->isEnabled() && !cmdMinimiz->isEnabled());
        QVERIFY(!shown(s->find<QLineEdit>("textPrint")));
        QCOMPARE(cboAl->count(), 0);
        QCOMPARE(cboMin->count(), 0);

        // The text stays for the next alarm; the next opening and type pick reset the counter.
        QTest::mouseClick(Command5, Qt::LeftButton);
        QCOMPARE(TestoAl->toPlainText(), QString("Chiamare Rossi"));
        QCOMPARE(items(cboMin), oneTo480());
        QCOMPARE(cboAl->count(), 4);
        pick(cboAl, "Impegno");
        QCOMPARE(Label111->text(), QString("0"));
        pick(cboMin, "10");
        pick(cboAl, "Appuntamento");
        QVERIFY(cmdMinimiz->isEnabled());
        QCOMPARE(s->find<QLineEdit>("txtUltima")->text(), QString("600"));
        QCOMPARE(Label111->text(), QString("0"));
    }

    // The count is of the time that passed on the elapsed clock: a tick only looks at it.
    void countIsOfTheTimeThatPassedWhateverTheTicksAndTheWallClock_data()
    {
        QTest::addColumn<qint64>("jumpMs");
        QTest::addColumn<int>("clocks");
        QTest::addColumn<int>("ticksToNotice"); // after the jump
        QTest::addColumn<QString>("counterAtNotice");
        constexpr qint64 kMinute = 60 * 1000;
        // Eight one-second ticks, then the jump, then ticks a second apart until the notice.
        QTest::newRow("asleep 30 minutes")
            << 30 * kMinute << int(FakePlatform::Both) << 1 << "1809";
        QTest::newRow("stalled 30 seconds") << 30 * 1000LL << int(FakePlatform::Both) << 22 << "60";
        QTest::newRow("clock set back an hour")
            << -60 * kMinute << int(FakePlatform::Wall) << 52 << "60";
        QTest::newRow("clock set forward an hour")
            << 60 * kMinute << int(FakePlatform::Wall) << 52 << "60";
    }
    void countIsOfTheTimeThatPassedWhateverTheTicksAndTheWallClock()
    {
        QFETCH(qint64, jumpMs);
        QFETCH(int, clocks);
        QFETCH(int, ticksToNotice);
        QFETCH(QString, counterAtNotice);
        auto s = started();
        QVERIFY(s);
        MouseLabel* Label111 = s->find<MouseLabel>("Label111");
        arm(*s, "Appuntamento", "1");
        int notices = 0;
        QString counterSeen, captionSeen;
        s->platform.onModal = [&](QDialog* d) {
            ++notices;
            counterSeen = Label111->text();
            captionSeen = s->window->windowTitle();
            QTest::mouseClick(findControl<QPushButton>(d, "Command1"), Qt::LeftButton);
        };
        for (int n = 1; n <= 8; ++n)
            tick(*s);
        QCOMPARE(Label111->text(), QString("8"));
        s->platform.passTime(jumpMs, clocks);
        int ticks = 0;
        while (notices == 0 && ticks < 120) {
            tick(*s);
            ++ticks;
        }
        QCOMPARE(ticks, ticksToNotice);
        QCOMPARE(notices, 1);
        QCOMPARE(counterSeen, counterAtNotice);
        // The caption shows the same counter, as it stood before the tick that fired.
        QCOMPARE(captionSeen, QStringLiteral("Allarme Attivo da: %1 sec.")
                                  .arg(ticksToNotice == 1 ? 8 : counterAtNotice.toInt() - 1));
    }

    void noticeShowsTypedMarkupAsTyped()
    {
        auto s = started();
        QVERIFY(s);
        QComboBox* cboAl = s->find<QComboBox>("cboAl");
        QTest::mouseClick(s->find<QPushButton>("Command5"), Qt::LeftButton);
        QTest::keyClicks(s->find<LimitedTextEdit>("TestoAl"), "<b>x</b>");
        arm(*s, "Impegno", "1");
        cboAl->setEnabled(true);
        // A type typed into the box is shown as typed too.
        cboAl->setEditText("<i>Riunione</i>");
        s->platform.onModal = [&](QDialog* d) {
            auto* notice = qobject_cast<AlarmNotice*>(d);
            QVERIFY(notice);
            QCOMPARE(findControl<MouseLabel>(notice, "Label3")->text(), QString("<b>x</b>"));
            QCOMPARE(findControl<MouseLabel>(notice, "Label3")->textFormat(), Qt::PlainText);
            QCOMPARE(findControl<MouseLabel>(notice, "Label2")->text(), QString("<i>Riunione</i>"));
            QCOMPARE(findControl<MouseLabel>(notice, "Label2")->textFormat(), Qt::PlainText);
            QVERIFY(s->platform.played.isEmpty()); // no type of that name, no sound
            QTest::mouseClick(findControl<QPushButton>(notice, "Command1"), Qt::LeftButton);
        };
        for (int n = 1; n <= 60; ++n)
            tick(*s);
        QCOMPARE(s->platform.modalWindows, QStringList{"Form3"});
    }

    void mioAllarmePlaysTheChosenFileAndKeepsItForTheNextAlarm()
    {
        auto s = started();
        QVERIFY(s);
        QPushButton* Command5 = s->find<QPushButton>("Command5");
        QComboBox* cboAl = s->find<QComboBox>("cboAl");
        QPushButton* cmdMinimiz = s->find<QPushButton>("cmdMinimiz");
        QTimer* tmrAll = s->find<QTimer>("tmrAll");
        QComboBox* cboMin = s->find<QComboBox>("cboMin");
        QTest::mouseClick(Command5, Qt::LeftButton);
        pick(cboAl, "Mio Allarme");
        clickFile(s->find<FileList>("File1"), "campana.wav");
        pick(cboMin, "1");
        QTest::mouseClick(cmdMinimiz, Qt::LeftButton);
        tmrAll->setInterval(3600 * 1000);
        s->platform.onModal = [&](QDialog* d) {
            auto* notice = qobject_cast<AlarmNotice*>(d);
            QVERIFY(notice);
            QCOMPARE(findControl<MouseLabel>(notice, "Label2")->text(), QString("Mio Allarme"));
            QTest::mouseClick(findControl<QPushButton>(notice, "Command1"), Qt::LeftButton);
        };
        for (int n = 1; n <= 60; ++n)
            tick(*s);
        QCOMPARE(s->platform.played, QStringList{s->folders.programPath() + "/campana.wav"});

        QTest::mouseClick(Command5, Qt::LeftButton);
        QCOMPARE(items(cboMin), oneTo480());
        pick(cboAl, "Mio Allarme");
        QCOMPARE(s->find<QLineEdit>("prova")->text(), QString("campana.wav"));
        QCOMPARE(s->find<MouseLabel>("labelPerProva")->text(), QString("OK! File inserito"));

        // " Annulla" forgets the file: the notice gets the bare folder, which the platform
        // answers with its default sound.
        QTest::mouseClick(s->find<MouseLabel>("ann"), Qt::LeftButton);
        pick(cboMin, "1");
        QTest::mouseClick(cmdMinimiz, Qt::LeftButton);
        tmrAll->setInterval(3600 * 1000);
        for (int n = 1; n <= 60; ++n)
            tick(*s);
        QCOMPARE(s->platform.played, QStringList({s->folders.programPath() + "/campana.wav",
                                                  s->folders.programPath() + "/"}));
    }

    void cancelWhileArmedStopsAndResetsEverything()
    {
        auto s = started();
        QVERIFY(s);
        LimitedTextEdit* TestoAl = s->find<LimitedTextEdit>("TestoAl");
        MouseLabel* Label111 = s->find<MouseLabel>("Label111");
        MouseLabel* Image3 = s->find<MouseLabel>("Image3");
        MouseLabel* lblAttivo = s->find<MouseLabel>("lblAttivo");
        QComboBox* cboAl = s->find<QComboBox>("cboAl");
        QPushButton* Command5 = s->find<QPushButton>("Command5");
        QComboBox* cboMin = s->find<QComboBox>("cboMin");
        QTest::mouseClick(Command5, Qt::LeftButton);
        QTest::keyClicks(TestoAl, "Pizza");
        arm(*s, "Appuntamento", "2");
        tick(*s);
        QCOMPARE(s->window->windowTitle(), QString("Allarme Attivo da: 0 sec."));
        // Restored by the user: the caption returns to the product name, the count goes on.
        s->window->setWindowState(Qt::WindowNoState);
        tick(*s);
        QCOMPARE(s->window->windowTitle(), QString("Tempestina10"));
        QCOMPARE(Label111->text(), QString("2"));

        QMouseEvent overImage3(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton,
                               Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Image3, &overImage3);
        QCOMPARE(foreColour(lblAttivo), QColor(255, 255, 0));
        QMouseEvent overBackground(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton,
                                   Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(s->find<MouseLabel>("Image1"), &overBackground);
        QCOMPARE(foreColour(lblAttivo), QColor(0, 255, 0));

        QTest::mouseClick(Image3, Qt::LeftButton);
        QVERIFY(s->window->isMinimized());
        tick(*s);
        QCOMPARE(s->window->windowTitle(), QString("Allarme Attivo da: 2 sec."));

        QTest::mouseClick(s->find<QPushButton>("cmdChud"), Qt::LeftButton);
        QVERIFY(!s->find<QTimer>("tmrAll")->isActive());
        QCOMPARE(Label111->text(), QString("0"));
        QVERIFY(Command5->isEnabled() && !s->find<QPushButton>("cmdMinimiz")->isEnabled() &&
                !cboMin->isEnabled());
        QCOMPARE(panelState(*s), QString());
        QCOMPARE(cboAl->count(), 0);
        QCOMPARE(cboMin->count(), 0);
        QCOMPARE(s->find<QLineEdit>("txtUltima")->text(), QString("120"));
        QCOMPARE(TestoAl->toPlainText(), QString("Pizza"));
        QVERIFY(s->platform.modalWindows.isEmpty());

        QTest::mouseClick(Command5, Qt::LeftButton);
        QCOMPARE(cboAl->count(), 4);
        QCOMPARE(items(cboMin), oneTo480());
    }
};

QTEST_MAIN(AlarmPanelTest)
#include "alarm_panel_test.moc"
