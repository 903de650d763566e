#pragma once
// A list of the file names of one folder that match a pattern, re-read on demand (a hidden
// list when it is next shown).

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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void readFolder();

    QString m_folder;
    QString m_pattern = QStringLiteral("*");
    bool m_stale = false;
};
