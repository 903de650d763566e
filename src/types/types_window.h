#pragma once
// The deadline types window: adds one type to lista.txt or deletes one from it; each of
// its actions closes it. Whoever shows it adds the typed type to the type combos afterwards.

#include "types/types_window_layout.h"

#include <QDialog>

class Platform;

class TypesWindow : public QDialog {
    Q_OBJECT
public:
    // listFile: the path of lista.txt.
    TypesWindow(Platform& platform, const QString& listFile, QWidget* parent = nullptr);

    // The new type as typed in Text2, whatever closed the window.
    QString typedType() const;

    // Rewrites the list without every entry equal to the text. False (after telling the
    // user) when the file could not be read or rewritten; it is then left as it was.
    bool removeEntry(const QString& entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void armAdd();
    void add();
    void chooseForDeletion();
    void deleteChosen();
    void cancel();
    void fileFailed(const QString& what, const std::string& reason);

    Ui::TypesWindow ui;
    Platform& m_platform;
    QString m_listFile;
};
