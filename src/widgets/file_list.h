#pragma once
// A list of the file names of one folder that match a pattern, re-read on demand.

#include <QListWidget>

class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    void setFolder(const QString& folder); // re-reads
    void setPattern(const QString& pattern);
    void refresh();
    QString folder() const { return m_folder; }
    // The selected file name, without folder; empty when none.
    QString fileName() const;

private:
    QString m_folder;
    QString m_pattern = QStringLiteral("*");
};
