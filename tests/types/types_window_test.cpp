// The deadline types window through the main window's cmdList: adding, deleting, cancelling,
// and what reaches lista.txt and the ten type combos.

#include "started_window.h"
#include "types/types_window.h"

#include <QDir>
#include <QFile>
#include <QTest>

class FrmListaTest : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedWindow> m_started; // fresh folders for each test
    FakePlatform* m_platform = nullptr;

    QString listFile() const { return m_started->folders.programFile("lista.txt"); }
    QByteArray listBytes() const
    {
        QFile f(listFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    void startWithList(const QByteArray& lista)
    {
        writeBytes(listFile(), lista);
        QVERIFY(m_started->start()); // the fake goes on past the nothing-due window
        m_started->window->show();
    }

    // Opens TypesWindow with cmdList and lets the test drive it; the test must close it.
    void openLista(const std::function<void(TypesWindow&)>& drive)
    {
        bool shown = false;
        m_platform->onModal = [&](QDialog* d) {
            auto* lista = qobject_cast<TypesWindow*>(d);
            QVERIFY(lista);
            shown = true;
            drive(*lista);
            if (lista->isVisible()) {
                lista->reject();
                QFAIL("the window did not close");
            }
        };
        QTest::mouseClick(m_started->find<QPushButton>("cmdList"), Qt::LeftButton);
        QVERIFY(shown);
    }

    static QStringList listed(const TypesWindow& lista)
    {
        QStringList items;
        for (int i = 0; i < findControl<QListWidget>(&lista, "List1")->count(); ++i)
            items << findControl<QListWidget>(&lista, "List1")->item(i)->text();
        return items;
    }

    static void pressOn(TypesWindow& lista, int row)
    {
        QListWidget* list = findControl<QListWidget>(&lista, "List1");
        QTest::mousePress(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {},
                            list->visualItemRect(list->item(row)).center());
        QTRY_VERIFY(findControl<QPushButton>(&lista, "cmdEl")->isEnabled());
    }

    // Every combo's items, checked to be the same in all ten.
    QStringList comboItems() const
    {
        QStringList first;
        const std::array<SlotRow, 10> rows = m_started->rows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QStringList items;
            const QComboBox* c = rows[i].type;
            for (int k = 0; k < c->count(); ++k)
                items << c->itemText(k);
            if (i == 0)
                first = items;
            else if (items != first)
                return {QStringLiteral("<combo %1 differs>").arg(i + 1)};
        }
        return first;
    }

private slots:
    void init()
    {
        m_started = std::make_unique<StartedWindow>();
        m_platform = &m_started->platform;
    }
    void cleanup() { m_started.reset(); }

    void addAppendsOneLineAndReachesAllTenCombosAtOnce()
    {
        startWithList("Banca\r\nPosta\r\n");
        openLista([](TypesWindow& lista) {
            QCOMPARE(listed(lista), (QStringList{"Banca", "Posta"}));
            QCOMPARE(findControl<QListWidget>(&lista, "List1")->currentRow(), 0);
            QVERIFY(!findControl<QPushButton>(&lista, "cmdAd")->isEnabled());
            QTest::keyClicks(findControl<QLineEdit>(&lista, "Text2"), "Bollo moto");
            QVERIFY(findControl<QPushButton>(&lista, "cmdAd")->isEnabled());
            QCOMPARE(findControl<QPushButton>(&lista, "cmdAd")->text(),
                     QString("OK! ora clicca QUI'"));
            QTest::mouseClick(findControl<QPushButton>(&lista, "cmdAd"), Qt::LeftButton);
        });
        QCOMPARE(listBytes(), QByteArray("Banca\r\nPosta\r\nBollo moto\r\n"));
        QCOMPARE(comboItems(), (QStringList{"Banca", "Posta", "Bollo moto"}));
        QCOMPARE(m_platform->modalWindows.last(), QString("frmLista"));
        QVERIFY(m_platform->messages.empty());
    }

    void addingToEmptyCombosChoosesNothingAndKeepsTheSlotTexts()
    {
        // No types at start: the combos are empty, and the first addition must not make
        // Qt pick it into every slot's text.
        startWithList("");
        for (const SlotRow& row : m_started->rows()) {
            QTest::keyClicks(row.text, "mio testo");
        }
        openLista([](TypesWindow& lista) {
            QTest::keyClicks(findControl<QLineEdit>(&lista, "Text2"), "Nuovo");
            QTest::mouseClick(findControl<QPushButton>(&lista, "cmdAd"), Qt::LeftButton);
        });
        QCOMPARE(comboItems(), QStringList{"Nuovo"});
        for (const SlotRow& row : m_started->rows()) {
            QCOMPARE(row.text->text(), QString("mio testo"));
            QCOMPARE(row.type->currentText(), QString());
        }
    }

    void typeWithACommaIsOneLineButReadsBackAsTwo()
    {
        startWithList("Banca\r\n");
        openLista([](TypesWindow& lista) {
            QTest::keyClicks(findControl<QLineEdit>(&lista, "Text2"), "Auto,Moto");
            QTest::mouseClick(findControl<QPushButton>(&lista, "cmdAd"), Qt::LeftButton);
        });
        QCOMPARE(listBytes(), QByteArray("Banca\r\nAuto,Moto\r\n"));
        QCOMPARE(comboItems(), (QStringList{"Banca", "Auto,Moto"}));
        openLista([](TypesWindow& lista) {
            QCOMPARE(listed(lista), (QStringList{"Banca", "Auto", "Moto"}));
            QTest::mouseClick(findControl<MouseLabel>(&lista, "Label1"), Qt::LeftButton);
        });
    }

    void emptyOrBlankTypeIsNeitherWrittenNorAdded()
    {
        startWithList("Banca\r\n\r\nPosta\r\n");
        for (const QString& blank : {QString(), QString("   ")}) {
            openLista([&](TypesWindow& lista) {
                // An empty line of the file is listed as before.
                QCOMPARE(listed(lista), (QStringList{"Banca", "", "Posta"}));
                QTest::keyClicks(findControl<QLineEdit>(&lista, "Text2"), "x");
                QTest::keyClick(findControl<QLineEdit>(&lista, "Text2"), Qt::Key_Backspace);
                QTest::keyClicks(findControl<QLineEdit>(&lista, "Text2"), blank);
                QVERIFY(findControl<QPushButton>(&lista, "cmdAd")->isEnabled());
                QCOMPARE(findControl<QPushButton>(&lista, "cmdAd")->text(),
                         QString("OK! ora clicca QUI'"));
                QTest::mouseClick(findControl<QPushButton>(&lista, "cmdAd"), Qt::LeftButton);
            });
        }
        // Blanks typed, then a delete: the close adds nothing either.
        openLista([](TypesWindow& lista) {
            QTest::keyClicks(findControl<QLineEdit>(&lista, "Text2"), "  ");
            pressOn(lista, 2);
            QTest::mouseClick(findControl<QPushButton>(&lista, "cmdEl"), Qt::LeftButton);
        });
        QCOMPARE(listBytes(), QByteArray("Banca\r\n\r\n"));
        QCOMPARE(comboItems(), (QStringList{"Banca", "", "Posta"}));
        QCOMPARE(m_platform->messages.size(), std::size_t(1));
    }

    void deleteDropsEveryEqualEntryWhileTheCombosKeepIt()
    {
        startWithList("Banca\r\nPosta\r\nBanca\r\nTasse\r\n");
        openLista([&](TypesWindow& lista) {
            QCOMPARE(findControl<QListWidget>(&lista, "List1")->currentRow(), 0);
            QVERIFY(!findControl<QPushButton>(&lista, "cmdEl")->isEnabled());
            QVERIFY(findControl<QLineEdit>(&lista, "txtElim")->text().isEmpty());
            pressOn(lista, 2);
            QCOMPARE(findControl<QLineEdit>(&lista, "txtElim")->text(), QString("Banca"));
            QTest::mouseClick(findControl<QPushButton>(&lista, "cmdEl"), Qt::LeftButton);
        });
        QCOMPARE(listBytes(), QByteArray("Posta\r\nTasse\r\n"));
        QCOMPARE(m_platform->messages.size(), std::size_t(1));
        QCOMPARE(m_platform->messages[0].text,
                 QString("La voce sarà eliminata definitivamente\r\nalla chiusura del programma."));
        QCOMPARE(m_platform->messages[0].icon, Platform::Icon::None);
        QVERIFY(m_platform->messages[0].title.isEmpty());
        QCOMPARE(comboItems(), (QStringList{"Banca", "Posta", "Banca", "Tasse"}));
        openLista([](TypesWindow& lista) {
            QCOMPARE(listed(lista), (QStringList{"Posta", "Tasse"}));
            QTest::mouseClick(findControl<MouseLabel>(&lista, "Label1"), Qt::LeftButton);
        });
    }

    void keyboardChoosesDeletesAndCancelsAsTheMouseDoes()
    {
        startWithList("Banca\r\nPosta\r\nTasse\r\n");
        openLista([](TypesWindow& lista) {
            // The focus passing by chooses nothing; an arrow moving the selection does.
            findControl<QListWidget>(&lista, "List1")->setFocus();
            QTest::qWait(20);
            QVERIFY(!findControl<QPushButton>(&lista, "cmdEl")->isEnabled());
            QTest::keyClick(findControl<QListWidget>(&lista, "List1"), Qt::Key_Down);
            QTRY_VERIFY(findControl<QPushButton>(&lista, "cmdEl")->isEnabled());
            QCOMPARE(findControl<QLineEdit>(&lista, "txtElim")->text(), QString("Posta"));
            QTest::keyClick(findControl<QPushButton>(&lista, "cmdEl"), Qt::Key_Space);
        });
        QCOMPARE(listBytes(), QByteArray("Banca\r\nTasse\r\n"));
        openLista([](TypesWindow& lista) {
            QTest::keyClicks(findControl<QLineEdit>(&lista, "Text2"), "Nuovo");
            QTest::keyClick(findControl<MouseLabel>(&lista, "Label1"), Qt::Key_Return);
        });
        QCOMPARE(comboItems(), (QStringList{"Banca", "Posta", "Tasse"}));
    }

    void typedTypeThenDeleteAddsItToTheCombosOnly()
    {
        startWithList("Banca\r\nPosta\r\n");
        openLista([](TypesWindow& lista) {
            QTest::keyClicks(findControl<QLineEdit>(&lista, "Text2"), "Nuovo");
            pressOn(lista, 1);
            QTest::mouseClick(findControl<QPushButton>(&lista, "cmdEl"), Qt::LeftButton);
        });
        QCOMPARE(listBytes(), QByteArray("Banca\r\n"));
        QCOMPARE(comboItems(), (QStringList{"Banca", "Posta", "Nuovo"}));
    }

    void annullaChangesNeitherFileNorCombos()
    {
        startWithList("Banca\r\nPosta\r\n");
        openLista([](TypesWindow& lista) {
            QCOMPARE(findControl<MouseLabel>(&lista, "Label1")->text(), QString(" Annulla"));
            QTest::keyClicks(findControl<QLineEdit>(&lista, "Text2"), "Nuovo");
            QTest::mouseClick(findControl<MouseLabel>(&lista, "Label1"), Qt::LeftButton);
        });
        QCOMPARE(listBytes(), QByteArray("Banca\r\nPosta\r\n"));
        QCOMPARE(comboItems(), (QStringList{"Banca", "Posta"}));
    }

    void anyOtherCloseStillAddsTheTypedType()
    {
        startWithList("Banca\r\n");
        openLista([](TypesWindow& lista) {
            QTest::keyClicks(findControl<QLineEdit>(&lista, "Text2"), "Scritto");
            QTest::keyClick(&lista, Qt::Key_Escape);
        });
        QCOMPARE(listBytes(), QByteArray("Banca\r\n"));
        QCOMPARE(comboItems(), (QStringList{"Banca", "Scritto"}));
    }

    void listOfOneHundredFiftySurvivesADelete()
    {
        QByteArray bytes, expected;
        for (int i = 1; i <= 150; ++i) {
            const QByteArray line = "Tipo " + QByteArray::number(i) + "\r\n";
            bytes += line;
            if (i != 120)
                expected += line;
        }
        startWithList(bytes);
        openLista([](TypesWindow& lista) {
            QCOMPARE(findControl<QListWidget>(&lista, "List1")->count(), 150);
            findControl<QListWidget>(&lista, "List1")
                ->scrollToItem(findControl<QListWidget>(&lista, "List1")->item(119));
            pressOn(lista, 119);
            QCOMPARE(findControl<QLineEdit>(&lista, "txtElim")->text(), QString("Tipo 120"));
            QTest::mouseClick(findControl<QPushButton>(&lista, "cmdEl"), Qt::LeftButton);
        });
        QCOMPARE(listBytes(), expected);
    }

    void fileFailuresAreToldAndLoseNothing()
    {
        startWithList("Banca\r\n");
        // A folder where the list should be: neither readable nor writable as a file.
        QVERIFY(QFile::remove(listFile()));
        QVERIFY(QDir(m_started->folders.programPath()).mkdir("lista.txt"));
        openLista([&](TypesWindow& lista) {
            QCOMPARE(m_platform->messages.size(), std::size_t(1));
            QVERIFY(m_platform->messages[0].text.startsWith(
                "Impossibile leggere l'elenco dei tipi di scadenza"));
            QCOMPARE(findControl<QListWidget>(&lista, "List1")->count(), 0);
            QTest::keyClicks(findControl<QLineEdit>(&lista, "Text2"), "Bollo moto");
            QTest::mouseClick(findControl<QPushButton>(&lista, "cmdAd"), Qt::LeftButton);
            QCOMPARE(m_platform->messages.size(), std::size_t(2));
            QVERIFY(m_platform->messages[1].text.startsWith(
                "Impossibile aggiungere il tipo all'elenco"));
            QCOMPARE(m_platform->messages[1].icon, Platform::Icon::Warning);
            QVERIFY(lista.isVisible());
            QCOMPARE(findControl<QLineEdit>(&lista, "Text2")->text(), QString("Bollo moto"));
            // Pressing delete on an empty list does nothing.
            QTest::mousePress(findControl<QListWidget>(&lista, "List1")->viewport(),
                              Qt::LeftButton);
            QTRY_VERIFY(findControl<QPushButton>(&lista, "cmdEl")->isEnabled());
            QTest::mouseClick(findControl<QPushButton>(&lista, "cmdEl"), Qt::LeftButton);
            QVERIFY(lista.isVisible());
            QTest::mouseClick(findControl<MouseLabel>(&lista, "Label1"), Qt::LeftButton);
        });
        QCOMPARE(m_platform->messages.size(), std::size_t(2));
        QVERIFY(QFileInfo(listFile()).isDir());
    }

    void typeOutsideTheCodePageIsRefused()
    {
        startWithList("Banca\r\n");
        openLista([&](TypesWindow& lista) {
            findControl<QLineEdit>(&lista, "Text2")->setText(QString::fromUtf8("Tassa \u4e2d"));
            QTest::mouseClick(findControl<QPushButton>(&lista, "cmdAd"), Qt::LeftButton);
            QCOMPARE(m_platform->messages.size(), std::size_t(1));
            QVERIFY(lista.isVisible());
            findControl<QLineEdit>(&lista, "Text2")->setText(QString::fromUtf8("Tassa €"));
            QTest::mouseClick(findControl<QPushButton>(&lista, "cmdAd"), Qt::LeftButton);
        });
        QCOMPARE(listBytes(), QByteArray("Banca\r\nTassa \x80\r\n"));
    }
};

QTEST_MAIN(FrmListaTest)
#include "types_window_test.moc"
