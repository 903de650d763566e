#include "widgets/file_list.h"

#include <QDir>

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
}

void FileList::setFolder(const QString& folder)
{
    m_folder = folder;
    refresh();
}

void FileList::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    refresh();
}

void FileList::refresh()
{
    clear();
    // A hidden list reads its folder when shown: matching the pattern takes the regular
    // expression engine, which a start with the list hidden need not load.
    m_stale = !isVisible();
    if (!m_stale)
        readFolder();
}

void FileList::showEvent(QShowEvent* event)
{
    if (m_stale) {
        m_stale = false;
        readFolder();
    }
    QListWidget::showEvent(event);
}

void FileList::readFolder()
{
    if (m_folder.isEmpty())
        return;
    const QDir dir(m_folder);
    addItems(dir.entryList({m_pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

QString FileList::fileName() const
{
    const QListWidgetItem* item = currentItem();
    return item ? item->text() : QString();
}
