#pragma once
// Where the program's own files lie and where each person's: one folder for both when it runs
// from a folder of its own, apart when it is installed system-wide by a package.

#include <QString>

struct ProgramFolders {
    QString modules; // the sound and print modules
    QString shipped; // the sounds and the starting lista.txt that came with the program
    // lista.txt, the person's own sounds and, as the working folder, Archivio.DAT: the program
    // folder itself, or the person's data folder when installed system-wide.
    QString personal;
    bool systemWide = false;
};

// The folders of a program in programFolder: with relative paths from there to its modules and
// its shipped files (a system-wide install), the person's files go to dataHome/Tempestina10;
// without, everything lies in programFolder.
ProgramFolders programFolders(const QString& programFolder, const QString& modulesFromProgram = {},
                              const QString& shippedFromProgram = {}, const QString& dataHome = {});

// $XDG_DATA_HOME, or home/.local/share when it is unset, empty or relative (it would then depend
// on the working folder); empty when neither is usable.
QString xdgDataHome(const QString& xdgDataHomeVariable, const QString& home);

// The folders of this program, as its build laid them out.
ProgramFolders installedProgramFolders();

// The freedesktop id of the package's menu entry; empty for a program in a folder of its own,
// whose entries Pontilo names.
QString installedDesktopId();

// Makes the person's folder when missing, gives it the starting lista.txt when it has none and
// makes it the working folder. Empty on success, else an Italian message for the user.
QString enterPersonalFolder(const ProgramFolders& folders);

// A sound of the program asked for in the person's folder: that file where the person has one
// (their own, or one they put in its place), else the shipped one of the same name.
QString soundFile(const ProgramFolders& folders, const QString& path);
