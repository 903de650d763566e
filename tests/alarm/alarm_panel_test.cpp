// The alarm on the real main window with the fake platform: the panel's picks, arming,
// the count tick by tick, the notice and its sound, acknowledging and cancelling.

#include "alarm/alarm_notice.h"
#include "fake_platform.h"
#include "mainwindow/main_window.h"
#include "widgets/look.h"
#include "widgets/texts.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

class AlarmPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_work;    // working folder: Archivio.DAT
    QTemporaryDir m_program; // program folder: the .wav files
    QString m_previousFolder;

    struct Window {
        FakePlatform platform;
        std::unique_ptr<MainWindow> w;
        Ui::MainWindow& ui() { return w->ui; }
    };

    std::unique_ptr<Window> started()
    {
        auto s = std::make_unique<Window>();
        s->platform.folder = m_program.path();
        Startup startup = startUp(s->platform);
        if (!startup.started)
            return nullptr;
        s->w = std::make_unique<MainWindow>(s->platform, std::move(*startup.started));
        s->platform.modalWindows.clear();
        s->w->show();
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

    // One tick of the alarm timer, driven by the test; the real timer is slowed so that
    // it never ticks on its own during the test.
    static void tick(Ui::MainWindow& ui) { QMetaObject::invokeMethod(ui.tmrAll, "timeout"); }

    static void arm(Window& s, const QString& type, const QString& minutes)
    {
        QTest::mouseClick(s.ui().Command5, Qt::LeftButton);
        pick(s.ui().cboAl, type);
        pick(s.ui().cboMin, minutes);
        QTest::mouseClick(s.ui().cmdMinimiz, Qt::LeftButton);
        QVERIFY(s.ui().tmrAll->isActive());
        s.ui().tmrAll->setInterval(3600 * 1000);
    }

    static void clickFile(FileList* list, const QString& name)
    {
        const auto found = list->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.first()).center());
    }

    static bool shown(QWidget* control) { return control->isVisibleTo(control->window()); }

    static QString panelState(Ui::MainWindow& ui)
    {
        QStringList visible;
        for (QWidget* c : std::initializer_list<QWidget*>{
                 ui.Shape7,  ui.Label11,    ui.Label12, ui.Label13,   ui.lblOre,
                 ui.Label14, ui.cboAl,      ui.cboMin,  ui.cmdInfo,   ui.cmdMinimiz,
                 ui.cmdChud, ui.LabelTesto, ui.TestoAl, ui.prova,     ui.labelPerProva,
                 ui.File1,   ui.ann,        ui.shaAl,   ui.lblAttivo, ui.Label111,
                 ui.lin3,    ui.Image3})
            if (shown(c))
                visible << c->objectName();
        return visible.join(' ');
    }

private slots:
    void initTestCase()
    {
        for (const char* name : {"tel.wav", "appu.wav", "campana.wav", "Bip.WAV", "note.txt"}) {
            QFile f(QDir(m_program.path()).filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    }
    void init()
    {
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_work.path());
        QFile::remove(QDir(m_work.path()).filePath("Archivio.DAT"));
    }
    void cleanup() { QDir::setCurrent(m_previousFolder); }

    void openingListsTypesAndMinutesOnceEvenOnASecondPress()
    {
        auto s = started();
        QVERIFY(s);
        Ui::MainWindow& ui = s->ui();
        QCOMPARE(panelState(ui), QString());
        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        QCOMPARE(panelState(ui), QString("Shape7 Label11 Label12 Label13 lblOre Label14 cboAl "
                                         "cboMin cmdInfo cmdMinimiz cmdChud LabelTesto TestoAl"));
        QCOMPARE(items(ui.cboAl),
                 QStringList({"Telefonata", "Appuntamento", "Impegno", "Mio Allarme"}));
        QCOMPARE(items(ui.cboMin), oneTo480());
        QCOMPARE(ui.cboAl->currentText(), QString());
        QCOMPARE(ui.lblOre->text(), QString());
        QCOMPARE(ui.Label14->text(), QString("ore"));
        QCOMPARE(ui.Shape7->width(), 7575 / 15);
        QVERIFY(ui.cboAl->isEnabled() && ui.cmdInfo->isEnabled() && ui.Command5->isEnabled());
        QVERIFY(!ui.cboMin->isEnabled() && !ui.cmdMinimiz->isEnabled());

        pick(ui.cboAl, "Impegno");
        QVERIFY(ui.cboMin->isEnabled());
        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        QCOMPARE(items(ui.cboAl),
                 QStringList({"Telefonata", "Appuntamento", "Impegno", "Mio Allarme"}));
        QCOMPARE(items(ui.cboMin), oneTo480());
        QCOMPARE(ui.cboAl->currentText(), QString("Impegno"));
    }

    void minutesPickShowsTheEquivalentAndSetsTheTarget()
    {
        auto s = started();
        QVERIFY(s);
        Ui::MainWindow& ui = s->ui();
        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        pick(ui.cboAl, "Telefonata");
        const QList<QStringList> rows = {
            {"59", "59", "Min.", "3540"},   {"60", "1:0", "Ore.", "3600"},
            {"1", "1", "Min.", "60"},       {"61", "1:1", "Ore.", "3660"},
            {"90", "1:30", "Ore.", "5400"}, {"125", "2:5", "Ore.", "7500"},
            {"480", "8:0", "Ore.", "28800"}};
        for (const QStringList& row : rows) {
            pick(ui.cboMin, row[0]);
            QCOMPARE(ui.lblOre->text(), row[1]);
            QCOMPARE(ui.Label14->text(), row[2]);
            QCOMPARE(ui.txtUltima->text(), row[3]);
            QVERIFY(ui.cmdMinimiz->isEnabled());
        }
    }

    void customFileIsKeptOnlyWhileMioAllarmeIsChosen()
    {
        auto s = started();
        QVERIFY(s);
        Ui::MainWindow& ui = s->ui();
        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        pick(ui.cboAl, "Mio Allarme");
        QVERIFY(shown(ui.prova) && shown(ui.labelPerProva) && shown(ui.File1));
        QVERIFY(!shown(ui.ann));
        QCOMPARE(ui.Shape7->width(), 9375 / 15);
        QCOMPARE(ui.labelPerProva->text(),
                 QString("Selezionare il nome del file wav  personalizzato:"));
        QStringList listed;
        for (int i = 0; i < ui.File1->count(); ++i)
            listed << ui.File1->item(i)->text();
        QCOMPARE(listed, QStringList({"appu.wav", "Bip.WAV", "campana.wav", "tel.wav"}));

        clickFile(ui.File1, "campana.wav");
        QCOMPARE(ui.prova->text(), QString("campana.wav"));
        QCOMPARE(ui.labelPerProva->text(), QString("OK! File inserito"));
        QVERIFY(shown(ui.ann));
        pick(ui.cboAl, "Mio Allarme");
        QCOMPARE(ui.prova->text(), QString("campana.wav"));

        pick(ui.cboAl, "Telefonata");
        QCOMPARE(ui.prova->text(), QString());
        QCOMPARE(ui.labelPerProva->text(),
                 QString("Selezionare il nome del file wav  personalizzato:"));
        QVERIFY(!shown(ui.ann) && !shown(ui.prova) && !shown(ui.labelPerProva) && !shown(ui.File1));
        QCOMPARE(ui.Shape7->width(), 7575 / 15);
        pick(ui.cboAl, "Mio Allarme");
        QCOMPARE(ui.prova->text(), QString());
        QCOMPARE(ui.labelPerProva->text(),
                 QString("Selezionare il nome del file wav  personalizzato:"));

        clickFile(ui.File1, "tel.wav");
        QTest::mouseClick(ui.ann, Qt::LeftButton);
        QCOMPARE(ui.prova->text(), QString());
        QCOMPARE(ui.labelPerProva->text(),
                 QString("Selezionare il nome del file wav  personalizzato:"));
        QVERIFY(!shown(ui.ann));
    }

    void fullTextWarnsAtTheNextKeyThenTheKeyTakesEffect()
    {
        auto s = started();
        QVERIFY(s);
        Ui::MainWindow& ui = s->ui();
        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        QTest::mouseClick(ui.LabelTesto, Qt::LeftButton);
        QCOMPARE(s->w->focusWidget(), ui.TestoAl);
        QTest::keyClicks(ui.TestoAl, QString(99, 'a') + "z");
        QCOMPARE(ui.TestoAl->toPlainText().size(), 100);
        QVERIFY(s->platform.messages.empty());
        // The message comes first, then Backspace deletes the character before the caret.
        s->platform.onMessage = [&](const FakePlatform::Message&) {
            QCOMPARE(ui.TestoAl->toPlainText().size(), 100);
        };
        QTest::keyClick(ui.TestoAl, Qt::Key_Backspace);
        QCOMPARE(s->platform.messageTexts(), QStringList{kLengthLimitMessage});
        QCOMPARE(s->platform.messages[0].icon, Platform::Icon::None);
        QCOMPARE(s->platform.beeps, 1);
        QCOMPARE(ui.TestoAl->toPlainText(), QString(99, 'a'));
        QTest::keyClick(ui.TestoAl, 'b');
        QCOMPARE(s->platform.messages.size(), std::size_t(1));
        QTest::keyClick(ui.TestoAl, 'c');
        QCOMPARE(s->platform.messages.size(), std::size_t(2));
        QCOMPARE(s->platform.beeps, 2);
        QCOMPARE(ui.TestoAl->toPlainText(), QString(99, 'a') + "b");
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
        Ui::MainWindow& ui = s->ui();
        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        QTest::mouseClick(ui.LabelTesto, Qt::LeftButton);
        QTest::keyClicks(ui.TestoAl, QString(98, 'a'));
        const QString more = QString::fromUtf8("èéx");
        if (how == "key") {
            QTest::sendKeyEvent(QTest::Click, ui.TestoAl, Qt::Key_unknown, more, Qt::NoModifier);
        } else if (how == "composed") {
            QInputMethodEvent composed;
            composed.setCommitString(more);
            QApplication::sendEvent(ui.TestoAl, &composed);
        } else if (how == "pasted") {
            QApplication::clipboard()->setText(more);
            ui.TestoAl->paste();
        } else {
            QMimeData data;
            data.setText(more);
            QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(ui.TestoAl->viewport(), &enter);
            QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(ui.TestoAl->viewport(), &drop);
        }
        QCOMPARE(ui.TestoAl->toPlainText().size(), 100);
        QVERIFY(ui.TestoAl->toPlainText().contains(QString::fromUtf8("èé")));
        // At exactly 100 the next key warns, as for typed text.
        QTest::keyClick(ui.TestoAl, 'z');
        QCOMPARE(s->platform.messageTexts(), QStringList{kLengthLimitMessage});
        QCOMPARE(ui.TestoAl->toPlainText().size(), 100);
    }

    void helpPlaysTheSpokenHelpThenShowsNineLines()
    {
        auto s = started();
        QVERIFY(s);
        Ui::MainWindow& ui = s->ui();
        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        s->platform.onMessage = [&](const FakePlatform::Message&) {
            QCOMPARE(s->platform.played, QStringList{m_program.path() + "/diffusori.wav"});
        };
        QTest::mouseClick(ui.cmdInfo, Qt::LeftButton);
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
        Ui::MainWindow& ui = s->ui();
        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        QTest::keyClicks(ui.TestoAl, "Chiamare Rossi");
        arm(*s, "Telefonata", "1");
        QVERIFY(s->w->isMinimized());
        QVERIFY(!ui.Command5->isEnabled() && !ui.cmdInfo->isEnabled() &&
                !ui.cmdMinimiz->isEnabled() && !ui.cboMin->isEnabled() && !ui.cboAl->isEnabled());
        QVERIFY(shown(ui.Label111) && shown(ui.lin3) && shown(ui.shaAl) && shown(ui.lblAttivo) &&
                shown(ui.Image3));
        QVERIFY(ui.cmdChud->isEnabled() && ui.TestoAl->isEnabled());

        int notices = 0;
        s->platform.onModal = [&](QDialog* d) {
            ++notices;
            auto* notice = qobject_cast<AlarmNotice*>(d);
            QVERIFY(notice);
            QCOMPARE(ui.Label111->text(), QString("60"));
            QCOMPARE(s->w->windowTitle(), QString("Allarme Attivo da: 59 sec."));
            QCOMPARE(notice->ui.Label1->text(), QString("Attenzione!"));
            QCOMPARE(notice->ui.Label2->text(), QString("Telefonata"));
            QCOMPARE(notice->ui.Label3->text(), QString("Chiamare Rossi"));
            QCOMPARE(s->platform.played, QStringList{m_program.path() + "/tel.wav"});
            QVERIFY(s->w->isMinimized());
            // Ticks go on while the notice is open; the counter passes the target.
            tick(ui);
            tick(ui);
            QCOMPARE(ui.Label111->text(), QString("62"));
            QCOMPARE(s->w->windowTitle(), QString("Allarme Attivo da: 61 sec."));
            QTest::mouseClick(notice->ui.Command1, Qt::LeftButton);
        };
        for (int n = 1; n <= 60; ++n) {
            tick(ui);
            QCOMPARE(notices, n == 60 ? 1 : 0);
            if (n < 60)
                QCOMPARE(s->w->windowTitle(), QString("Allarme Attivo da: %1 sec.").arg(n - 1));
        }
        QCOMPARE(s->platform.modalWindows, QStringList{"Form3"});
        QCOMPARE(s->platform.played.size(), 1);
        QVERIFY(!s->w->isMinimized());
        QVERIFY(!ui.tmrAll->isActive());
        QCOMPARE(s->w->windowTitle(), QString("Tempestina10"));
        QCOMPARE(panelState(ui), QString());
        QVERIFY(ui.Command5->isEnabled() && !ui.cboMin->isEnabled() && !ui.cmdMinimiz->isEnabled());
        QVERIFY(!shown(ui.textPrint));
        QCOMPARE(ui.cboAl->count(), 0);
        QCOMPARE(ui.cboMin->count(), 0);

        // The text stays for the next alarm; the next opening and type pick reset the counter.
        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        QCOMPARE(ui.TestoAl->toPlainText(), QString("Chiamare Rossi"));
        QCOMPARE(items(ui.cboMin), oneTo480());
        QCOMPARE(ui.cboAl->count(), 4);
        pick(ui.cboAl, "Impegno");
        QCOMPARE(ui.Label111->text(), QString("0"));
        pick(ui.cboMin, "10");
        pick(ui.cboAl, "Appuntamento");
        QVERIFY(ui.cmdMinimiz->isEnabled());
        QCOMPARE(ui.txtUltima->text(), QString("600"));
        QCOMPARE(ui.Label111->text(), QString("0"));
    }

    void noticeShowsTypedMarkupAsTyped()
    {
        auto s = started();
        QVERIFY(s);
        Ui::MainWindow& ui = s->ui();
        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        QTest::keyClicks(ui.TestoAl, "<b>x</b>");
        arm(*s, "Impegno", "1");
        ui.cboAl->setEnabled(true);
        // A type typed into the box is shown as typed too.
        ui.cboAl->setEditText("<i>Riunione</i>");
        s->platform.onModal = [&](QDialog* d) {
            auto* notice = qobject_cast<AlarmNotice*>(d);
            QVERIFY(notice);
            QCOMPARE(notice->ui.Label3->text(), QString("<b>x</b>"));
            QCOMPARE(notice->ui.Label3->textFormat(), Qt::PlainText);
            QCOMPARE(notice->ui.Label2->text(), QString("<i>Riunione</i>"));
            QCOMPARE(notice->ui.Label2->textFormat(), Qt::PlainText);
            QVERIFY(s->platform.played.isEmpty()); // no type of that name, no sound
            QTest::mouseClick(notice->ui.Command1, Qt::LeftButton);
        };
        for (int n = 1; n <= 60; ++n)
            tick(ui);
        QCOMPARE(s->platform.modalWindows, QStringList{"Form3"});
    }

    void mioAllarmePlaysTheChosenFileAndKeepsItForTheNextAlarm()
    {
        auto s = started();
        QVERIFY(s);
        Ui::MainWindow& ui = s->ui();
        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        pick(ui.cboAl, "Mio Allarme");
        clickFile(ui.File1, "campana.wav");
        pick(ui.cboMin, "1");
        QTest::mouseClick(ui.cmdMinimiz, Qt::LeftButton);
        ui.tmrAll->setInterval(3600 * 1000);
        s->platform.onModal = [&](QDialog* d) {
            auto* notice = qobject_cast<AlarmNotice*>(d);
            QVERIFY(notice);
            QCOMPARE(notice->ui.Label2->text(), QString("Mio Allarme"));
            QTest::mouseClick(notice->ui.Command1, Qt::LeftButton);
        };
        for (int n = 1; n <= 60; ++n)
            tick(ui);
        QCOMPARE(s->platform.played, QStringList{m_program.path() + "/campana.wav"});

        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        QCOMPARE(items(ui.cboMin), oneTo480());
        pick(ui.cboAl, "Mio Allarme");
        QCOMPARE(ui.prova->text(), QString("campana.wav"));
        QCOMPARE(ui.labelPerProva->text(), QString("OK! File inserito"));

        // " Annulla" forgets the file: the notice gets the bare folder, which the platform
        // answers with its default sound.
        QTest::mouseClick(ui.ann, Qt::LeftButton);
        pick(ui.cboMin, "1");
        QTest::mouseClick(ui.cmdMinimiz, Qt::LeftButton);
        ui.tmrAll->setInterval(3600 * 1000);
        for (int n = 1; n <= 60; ++n)
            tick(ui);
        QCOMPARE(s->platform.played,
                 QStringList({m_program.path() + "/campana.wav", m_program.path() + "/"}));
    }

    void cancelWhileArmedStopsAndResetsEverything()
    {
        auto s = started();
        QVERIFY(s);
        Ui::MainWindow& ui = s->ui();
        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        QTest::keyClicks(ui.TestoAl, "Pizza");
        arm(*s, "Appuntamento", "2");
        tick(ui);
        QCOMPARE(s->w->windowTitle(), QString("Allarme Attivo da: 0 sec."));
        // Restored by the user: the caption returns to the product name, the count goes on.
        s->w->setWindowState(Qt::WindowNoState);
        tick(ui);
        QCOMPARE(s->w->windowTitle(), QString("Tempestina10"));
        QCOMPARE(ui.Label111->text(), QString("2"));

        QMouseEvent overImage3(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton,
                               Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(ui.Image3, &overImage3);
        QCOMPARE(foreColour(ui.lblAttivo), QColor(255, 255, 0));
        QMouseEvent overBackground(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton,
                                   Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(ui.Image1, &overBackground);
        QCOMPARE(foreColour(ui.lblAttivo), QColor(0, 255, 0));

        QTest::mouseClick(ui.Image3, Qt::LeftButton);
        QVERIFY(s->w->isMinimized());
        tick(ui);
        QCOMPARE(s->w->windowTitle(), QString("Allarme Attivo da: 2 sec."));

        QTest::mouseClick(ui.cmdChud, Qt::LeftButton);
        QVERIFY(!ui.tmrAll->isActive());
        QCOMPARE(ui.Label111->text(), QString("0"));
        QVERIFY(ui.Command5->isEnabled() && !ui.cmdMinimiz->isEnabled() && !ui.cboMin->isEnabled());
        QCOMPARE(panelState(ui), QString());
        QCOMPARE(ui.cboAl->count(), 0);
        QCOMPARE(ui.cboMin->count(), 0);
        QCOMPARE(ui.txtUltima->text(), QString("120"));
        QCOMPARE(ui.TestoAl->toPlainText(), QString("Pizza"));
        QVERIFY(s->platform.modalWindows.isEmpty());

        QTest::mouseClick(ui.Command5, Qt::LeftButton);
        QCOMPARE(ui.cboAl->count(), 4);
        QCOMPARE(items(ui.cboMin), oneTo480());
    }
};

QTEST_MAIN(AlarmPanelTest)
#include "alarm_panel_test.moc"
