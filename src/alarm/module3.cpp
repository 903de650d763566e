#include "alarm/module3.h"

#include "alarm/alarm_rules.h"

#include <QComboBox>

void CaricaMinuti(QComboBox* cboMin)
{
    for (int minutes = 1; minutes <= alarmrules::kFirstHalfMinutes; ++minutes)
        cboMin->addItem(QString::number(minutes));
}
