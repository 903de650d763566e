#include "platform/program_folders.h"

#include "core/io_result.h"
#include "core/os_file.h"

#include <cerrno>
#include <filesystem>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kPersonalFolderName = QStringLiteral("Tempestina10");
const QString kStartingList = QStringLiteral("lista.txt");

std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdU16String());
}

QString cannotPrepare(const QString& what, const QString& path, int error)
{
    return QStringLiteral("Impossibile %1\r\n%2\r\nMotivo: %3\r\n\r\nIl programma sarà chiuso.")
        .arg(what, QDir::toNativeSeparators(path), QString::fromStdString(describeErrno(error)));
}

} // namespace

ProgramFolders programFolders(const QString& programFolder, const QString& modulesFromProgram,
                              const QString& shippedFromProgram, const QString& dataHome)
{
    if (shippedFromProgram.isEmpty())
        return {programFolder, programFolder, programFolder, false};
    const QDir program(programFolder);
    const QString modules = QDir::cleanPath(program.filePath(modulesFromProgram));
    const QString shipped = QDir::cleanPath(program.filePath(shippedFromProgram));
    const QString personal =
        dataHome.isEmpty() ? QString() : QDir::cleanPath(dataHome + '/' + kPersonalFolderName);
    return {modules, shipped, personal, true};
}

QString xdgDataHome(const QString& xdgDataHomeVariable, const QString& home)
{
    if (QDir::isAbsolutePath(xdgDataHomeVariable))
        return xdgDataHomeVariable;
    if (!QDir::isAbsolutePath(home))
        return {};
    return QDir(home).filePath(QStringLiteral(".local/share"));
}

ProgramFolders installedProgramFolders()
{
#ifdef T10_SYSTEM_LAYOUT
    return programFolders(
        QCoreApplication::applicationDirPath(), QStringLiteral(T10_MODULES_FROM_PROGRAM),
        QStringLiteral(T10_SHIPPED_FROM_PROGRAM),
        xdgDataHome(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME")));
#else
    return programFolders(QCoreApplication::applicationDirPath());
#endif
}

QString installedDesktopId()
{
#ifdef T10_SYSTEM_LAYOUT
    return QStringLiteral(T10_APP_ID);
#else
    return {};
#endif
}

QString enterPersonalFolder(const ProgramFolders& folders)
{
    if (folders.personal.isEmpty())
        return QStringLiteral("Impossibile trovare la cartella dei dati: né XDG_DATA_HOME né HOME "
                              "indicano una cartella.\r\n\r\nIl programma sarà chiuso.");
    const std::filesystem::path folder = fsPath(folders.personal);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error && !std::filesystem::is_directory(folder, error) && !error)
        error = std::make_error_code(std::errc::not_a_directory);
    if (error)
        return cannotPrepare(QStringLiteral("creare la cartella dei dati"), folders.personal,
                             error.value());

    const std::filesystem::path list = folder / fsPath(kStartingList);
    PathEntry entry;
    if (const int e = inspectPath(list, entry))
        return cannotPrepare(QStringLiteral("leggere"),
                             QDir(folders.personal).filePath(kStartingList), e);
    if (entry.kind == PathEntry::Kind::Missing) {
        QFile starting(QDir(folders.shipped).filePath(kStartingList));
        // Without a starting list the types window starts from an empty one, as it always could.
        if (starting.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = starting.readAll();
            if (const int e =
                    replaceContent(list, std::string_view(bytes.constData(), bytes.size())))
                return cannotPrepare(QStringLiteral("scrivere"),
                                     QDir(folders.personal).filePath(kStartingList), e);
        }
    }
    if (!QDir::setCurrent(folders.personal))
        return cannotPrepare(QStringLiteral("entrare nella cartella dei dati"), folders.personal,
                             EACCES);
    return {};
}

QString soundFile(const ProgramFolders& folders, const QString& path)
{
    if (!folders.systemWide || QFileInfo(path).isFile())
        return path;
    const QFileInfo asked(path);
    if (QDir::cleanPath(asked.absolutePath()) != QDir::cleanPath(folders.personal))
        return path;
    return QDir(folders.shipped).filePath(asked.fileName());
}
