#include "platform/program_module.h"

#include <QDir>

QFunctionPointer programModuleEntry(const QString& folder, const QString& module, const char* entry)
{
    QLibrary library(QDir(folder).filePath(module));
    const QFunctionPointer found = library.resolve(entry);
    if (!found)
        qWarning("No module %s: %s", qPrintable(module), qPrintable(library.errorString()));
    return found;
}
