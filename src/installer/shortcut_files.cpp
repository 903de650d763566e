#include "installer/shortcut_files.h"

#include "installer/desktop_entry.h"

#include "core/os_file.h"

#include <filesystem>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path fromUtf8(const std::string& s)
{
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(s.data()), s.size()));
}

std::string toUtf8(const fs::path& p)
{
    const std::u8string s = p.u8string();
    return std::string(reinterpret_cast<const char*>(s.data()), s.size());
}

std::error_code errorCode(int error)
{
    return std::error_code(error, std::generic_category());
}

} // namespace

std::optional<ShortcutFailure> writeShortcut(const std::string& folder,
                                             const ShortcutRequest& request)
{
    if (folder.empty())
        return ShortcutFailure{request.name + ".lnk", false,
                               "la cartella di destinazione non è stata trovata"};

    const fs::path dir = fromUtf8(folder);
    std::error_code error;
    fs::create_directories(dir, error);
    if (!error && !fs::is_directory(dir, error) && !error)
        error = std::make_error_code(std::errc::not_a_directory);
    if (error)
        return ShortcutFailure{folder, true, italianReason(error)};

    if (request.shellLink) {
        const fs::path lnkFile = dir / fromUtf8(request.name + ".lnk");
        std::string lnkBytes;
        try {
            const std::vector<std::uint8_t> bytes = shellLinkBytes(request.link);
            lnkBytes.assign(bytes.begin(), bytes.end());
        } catch (const std::length_error&) {
            return ShortcutFailure{toUtf8(lnkFile), false,
                                   "un testo del collegamento è troppo lungo"};
        }
        // Written beside and renamed over, so a reader never sees half a shortcut.
        if (const int e = replaceContent(lnkFile, lnkBytes))
            return ShortcutFailure{toUtf8(lnkFile), false, italianReason(errorCode(e))};
    }

    if (request.desktopEntry) {
        const std::string fileName =
            request.entryFileName.empty() ? request.name : request.entryFileName;
        const fs::path desktopFile = dir / fromUtf8(fileName + ".desktop");
        const DesktopEntry entry{request.name,
                                 request.link.description,
                                 request.link.targetPath,
                                 request.link.workingDirectory,
                                 request.autostart,
                                 request.icon,
                                 request.tryExec};
        if (const int e = replaceContent(desktopFile, desktopEntryText(entry)))
            return ShortcutFailure{toUtf8(desktopFile), false, italianReason(errorCode(e))};
    }
    return std::nullopt;
}

std::string italianReason(std::error_code error)
{
    const std::error_condition c = error.default_error_condition();
    if (c == std::errc::permission_denied || c == std::errc::operation_not_permitted)
        return "accesso negato";
    if (c == std::errc::no_such_file_or_directory)
        return "il percorso non esiste";
    if (c == std::errc::not_a_directory || c == std::errc::file_exists)
        return "una parte del percorso è un file e non una cartella";
    if (c == std::errc::is_a_directory)
        return "al suo posto c'è una cartella";
    if (c == std::errc::no_space_on_device)
        return "il disco è pieno";
    if (c == std::errc::read_only_file_system)
        return "il disco è di sola lettura";
    if (c == std::errc::filename_too_long)
        return "il nome del file è troppo lungo";
    if (c == std::errc::io_error)
        return "errore di lettura o scrittura sul disco";
    return "errore di sistema " + std::to_string(error.value());
}
