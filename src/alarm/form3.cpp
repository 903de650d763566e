#include "alarm/form3.h"

#include "alarm/alarm_rules.h"
#include "platform/platform.h"
#include "windows/rounded.h"

#include <QDir>

Form3::Form3(const Ui::frmTelefono& main, Platform& platform, QWidget* parent) : QDialog(parent)
{
    ui.setupUi(this);
    Rounded(this, Ui::kForm3Twips, 40);
    // Typed by the user: shown as typed, never as markup.
    ui.Label3->setTextFormat(Qt::PlainText);
    ui.Label2->setTextFormat(Qt::PlainText);
    ui.Label3->setText(main.TestoAl->toPlainText());
    const QString type = main.cboAl->currentText();
    if (const auto file =
            alarmrules::soundFile(type.toStdString(), main.prova->text().toStdString()))
        platform.playWave(platform.programFolder() + "/" + QString::fromStdString(*file));
    ui.Label2->setText(type);
    connect(ui.Command1, &QPushButton::clicked, this, [this] {
        emit acknowledged();
        accept();
    });
}
