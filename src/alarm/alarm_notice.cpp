#include "alarm/alarm_notice.h"

#include "alarm/alarm_rules.h"
#include "platform/platform.h"
#include "widgets/rounded_outline.h"

#include <QDir>

AlarmNotice::AlarmNotice(const QString& type, const QString& text, const QString& customFile,
                         Platform& platform, QWidget* parent)
    : QDialog(parent)
{
    ui.setupUi(this);
    setRoundedOutline(this, Ui::kAlarmNoticeTwips, 40);
    // Typed by the user: shown as typed, never as markup.
    ui.Label3->setTextFormat(Qt::PlainText);
    ui.Label2->setTextFormat(Qt::PlainText);
    ui.Label3->setText(text);
    if (const auto file = alarmrules::soundFile(type.toStdString(), customFile.toStdString()))
        platform.playWave(platform.programFolder() + "/" + QString::fromStdString(*file));
    ui.Label2->setText(type);
    connect(ui.Command1, &QPushButton::clicked, this, [this] {
        emit acknowledged();
        accept();
    });
}
