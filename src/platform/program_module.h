#pragma once
// A module of the program's own folder, loaded on first use, for a part of Qt that most runs
// never need (sound, printing).

#include <QLibrary>
#include <QString>

// The module's entry point, or nullptr after a warning that names what is missing. The module
// stays loaded for good: what its entry point makes must outlive it.
QFunctionPointer programModuleEntry(const QString& folder, const QString& module,
                                    const char* entry);
