#include "types/types_window.h"

#include "core/cp1252.h"
#include "platform/platform.h"
#include "types/types_file.h"
#include "widgets/core_values.h"
#include "widgets/look.h"
#include "widgets/rounded_outline.h"

#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QMetaObject>

TypesWindow::TypesWindow(Platform& platform, const QString& listFile, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_listFile(listFile)
{
    ui.setupUi(this);
    // The typed and listed types black on white, as the old boxes were: white brings black.
    for (QWidget* box : {static_cast<QWidget*>(ui.Text2), static_cast<QWidget*>(ui.txtElim),
                         static_cast<QWidget*>(ui.List1)})
        setBackColour(box, Qt::white);
    connect(ui.Text2, &QLineEdit::textChanged, this, &TypesWindow::armAdd);
    connect(ui.cmdAd, &QPushButton::clicked, this, &TypesWindow::add);
    connect(ui.cmdEl, &QPushButton::clicked, this, &TypesWindow::deleteChosen);
    connect(ui.Label1, &MouseLabel::clicked, this, &TypesWindow::cancel);
    ui.List1->viewport()->installEventFilter(this);
    ui.List1->installEventFilter(this);
    load();
}

QString TypesWindow::typedType() const
{
    return ui.Text2->text();
}

void TypesWindow::load()
{
    setRoundedOutline(this, Ui::kTypesWindowTwips, 20);
    std::vector<std::string> entries;
    if (const IoResult read = typesfile::readEntries(localPath(m_listFile), entries); !read)
        fileFailed(QStringLiteral("Impossibile leggere l'elenco dei tipi di scadenza"),
                   read.reason);
    for (const std::string& entry : entries)
        ui.List1->addItem(QString::fromStdString(entry));
    if (ui.List1->count() > 0)
        ui.List1->setCurrentRow(0);
}

void TypesWindow::armAdd()
{
    ui.cmdAd->setEnabled(true);
    ui.cmdAd->setText(QStringLiteral("OK! ora clicca QUI'"));
}

void TypesWindow::add()
{
    // An empty line would come back at every start as an empty entry of every type box.
    if (ui.Text2->text().trimmed().isEmpty()) {
        cancel();
        return;
    }
    const std::string entry = ui.Text2->text().toStdString();
    // lista.txt holds Windows-1252 only; a '?' in place of a letter would be a different type.
    if (!cp1252::representable(entry)) {
        m_platform.message(this, QStringLiteral("Il tipo contiene caratteri che l'elenco dei "
                                                "tipi non può contenere.\r\nCorreggere il testo "
                                                "e riprovare."));
        return;
    }
    if (const IoResult written = typesfile::appendEntry(localPath(m_listFile), entry); !written) {
        // The window stays open with the text, so that nothing typed is lost.
        fileFailed(QStringLiteral("Impossibile aggiungere il tipo all'elenco"), written.reason);
        return;
    }
    accept();
}

bool TypesWindow::eventFilter(QObject* watched, QEvent* event)
{
    // After the list has handled the press, so that the pressed entry is the selected one.
    if (watched == ui.List1->viewport() && event->type() == QEvent::MouseButtonPress)
        QMetaObject::invokeMethod(this, &TypesWindow::chooseForDeletion, Qt::QueuedConnection);
    // A key that moves the selection chooses too, as a list's click did in the old toolkit;
    // Space chooses the entry already selected, which no arrow can move to in a list of one.
    if (watched == ui.List1 && event->type() == QEvent::KeyPress) {
        const bool space = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
        QMetaObject::invokeMethod(
            this,
            [this, space, before = ui.List1->currentRow()] {
                if (space || ui.List1->currentRow() != before)
                    chooseForDeletion();
            },
            Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void TypesWindow::chooseForDeletion()
{
    ui.cmdEl->setEnabled(true);
    const QListWidgetItem* chosen = ui.List1->currentItem();
    ui.txtElim->setText(chosen ? chosen->text() : QString());
}

void TypesWindow::deleteChosen()
{
    const int row = ui.List1->currentRow();
    if (row < 0)
        return;
    if (!removeEntry(ui.List1->item(row)->text()))
        return;
    delete ui.List1->takeItem(row);
    m_platform.message(this, QStringLiteral("La voce sarà eliminata definitivamente\r\n"
                                            "alla chiusura del programma."));
    accept();
}

bool TypesWindow::removeEntry(const QString& entry)
{
    const IoResult removed = typesfile::removeEntry(localPath(m_listFile), entry.toStdString());
    if (!removed)
        fileFailed(QStringLiteral("Impossibile eliminare il tipo dall'elenco"), removed.reason);
    return bool(removed);
}

void TypesWindow::cancel()
{
    ui.Text2->clear();
    reject();
}

void TypesWindow::fileFailed(const QString& what, const std::string& reason)
{
    m_platform.message(
        this,
        QStringLiteral("%1 %2.\r\nMotivo: %3")
            .arg(what, QDir::toNativeSeparators(m_listFile), QString::fromStdString(reason)),
        Platform::Icon::Warning);
}
