#include "widgets/list_width.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QTimer>

namespace {

void fitNow(QComboBox* box)
{
    QAbstractItemView* list = box->view();
    int width = list->sizeHintForColumn(0) + 2 * list->frameWidth();
    // Past its visible rows the list shows a scroll bar, which takes from the entries' room.
    if (box->count() > box->maxVisibleItems())
        width += list->verticalScrollBar()->sizeHint().width();
    list->setMinimumWidth(width);
}

} // namespace

void fitListWidthToEntries(QComboBox* box)
{
    // Once after a run of changes: the start fills the lists one entry at a time.
    auto* later = new QTimer(box);
    later->setSingleShot(true);
    later->setInterval(0);
    QObject::connect(later, &QTimer::timeout, box, [box] { fitNow(box); });
    QAbstractItemModel* entries = box->model();
    const auto fit = [later] { later->start(); };
    QObject::connect(entries, &QAbstractItemModel::rowsInserted, box, fit);
    QObject::connect(entries, &QAbstractItemModel::rowsRemoved, box, fit);
    QObject::connect(entries, &QAbstractItemModel::modelReset, box, fit);
    QObject::connect(entries, &QAbstractItemModel::dataChanged, box, fit);
    fitNow(box);
}
