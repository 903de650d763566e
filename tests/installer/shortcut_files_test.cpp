#include "installer/desktop_entry.h"
#include "installer/shortcut_files.h"
#include "installer/special_folders.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace fs = std::filesystem;

namespace {

EnvironmentLookup fakeEnvironment(std::map<std::string, std::string> values)
{
    return [values](const char* name) {
        const auto found = values.find(name);
        return found == values.end() ? std::string() : found->second;
    };
}

ShortcutRequest installerRequest(bool autostart)
{
    ShortcutRequest r;
    r.link = ShellLink{"/opt/t/Tempestina10", "Coll", "", "/opt/t", 1};
    r.name = "Tempestina10";
    r.desktopEntry = true;
    r.autostart = autostart;
    return r;
}

std::string lnkText(const ShortcutRequest& r)
{
    const std::vector<std::uint8_t> b = shellLinkBytes(r.link);
    return std::string(b.begin(), b.end());
}

} // namespace

TEST(SpecialFolders, xdgVariablesAndTheirDefaults)
{
    const auto none = fakeEnvironment({});
    EXPECT_EQ(freedesktopFolder(SpecialFolder::StartUp, "/home/anna", none),
              "/home/anna/.config/autostart");
    EXPECT_EQ(freedesktopFolder(SpecialFolder::Programs, "/home/anna/", none),
              "/home/anna/.local/share/applications");

    const auto set = fakeEnvironment({{"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/dati/"}});
    EXPECT_EQ(freedesktopFolder(SpecialFolder::StartUp, "/home/anna", set), "/cfg/autostart");
    EXPECT_EQ(freedesktopFolder(SpecialFolder::Programs, "/home/anna", set), "/dati/applications");

    const auto relative = fakeEnvironment({{"XDG_CONFIG_HOME", "cfg"}, {"XDG_DATA_HOME", ""}});
    EXPECT_EQ(freedesktopFolder(SpecialFolder::StartUp, "/h", relative), "/h/.config/autostart");
    EXPECT_EQ(freedesktopFolder(SpecialFolder::Programs, "/h", relative),
              "/h/.local/share/applications");

    EXPECT_EQ(freedesktopFolder(SpecialFolder::StartUp, "", none), "");
    EXPECT_EQ(freedesktopFolder(SpecialFolder::StartUp, "", set), "/cfg/autostart");
}

TEST(ShortcutFiles, missingFoldersAreCreatedAndOldFilesReplaced)
{
    TempFolder temp;
    const fs::path folder = temp.path() / "profilo con spazi" / ".config" / "autostart";
    const ShortcutRequest request = installerRequest(true);
    ASSERT_EQ(writeShortcut(folder.string(), request), std::nullopt);
    EXPECT_EQ(readBytes(folder / "Tempestina10.lnk"), lnkText(request));
    EXPECT_EQ(readBytes(folder / "Tempestina10.desktop"),
              desktopEntryText(
                  DesktopEntry{"Tempestina10", "Coll", "/opt/t/Tempestina10", "/opt/t", true, ""}));

    writeBytes(folder / "Tempestina10.lnk", "vecchio collegamento, più lungo del nuovo? no");
    writeBytes(folder / "Tempestina10.desktop", std::string(5000, 'x'));
    ShortcutRequest moved = installerRequest(true);
    moved.link.targetPath = "/srv/Tempestina10";
    ASSERT_EQ(writeShortcut(folder.string(), moved), std::nullopt);
    EXPECT_EQ(readBytes(folder / "Tempestina10.lnk"), lnkText(moved));
    EXPECT_NE(readBytes(folder / "Tempestina10.desktop").find("Exec=\"/srv/Tempestina10\"\n"),
              std::string::npos);

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Tempestina10.desktop", "Tempestina10.lnk"}));
}

TEST(ShortcutFiles, thePackagesLoginEntryAloneUnderItsId)
{
    TempFolder temp;
    ShortcutRequest request = installerRequest(true);
    request.shellLink = false;
    request.entryFileName = "org.example.Tempestina10";
    request.tryExec = true;
    ASSERT_EQ(writeShortcut(temp.path().string(), request), std::nullopt);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(temp.path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"org.example.Tempestina10.desktop"});
    const std::string text = readBytes(temp.path() / "org.example.Tempestina10.desktop");
    EXPECT_NE(text.find("\nName=Tempestina10\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nTryExec=/opt/t/Tempestina10\n"), std::string::npos) << text;
}

TEST(ShortcutFiles, withoutDesktopEntryOnlyTheLnkIsWritten)
{
    TempFolder temp;
    ShortcutRequest request = installerRequest(false);
    request.desktopEntry = false;
    ASSERT_EQ(writeShortcut(temp.path().string(), request), std::nullopt);
    EXPECT_TRUE(fs::exists(temp.path() / "Tempestina10.lnk"));
    EXPECT_FALSE(fs::exists(temp.path() / "Tempestina10.desktop"));
}

TEST(ShortcutFiles, failuresNameTheFileAndTheReason)
{
    TempFolder temp;
    // A file where a folder of the path should be.
    writeBytes(temp.path() / ".config", "non una cartella");
    const fs::path blocked = temp.path() / ".config" / "autostart";
    const auto folderFailure = writeShortcut(blocked.string(), installerRequest(true));
    ASSERT_TRUE(folderFailure.has_value());
    EXPECT_TRUE(folderFailure->folder);
    EXPECT_EQ(folderFailure->file, blocked.string());
    EXPECT_EQ(folderFailure->reason, "una parte del percorso è un file e non una cartella");

    const auto folderIsFile =
        writeShortcut((temp.path() / ".config").string(), installerRequest(true));
    ASSERT_TRUE(folderIsFile.has_value());
    EXPECT_TRUE(folderIsFile->folder);
    EXPECT_EQ(folderIsFile->reason, "una parte del percorso è un file e non una cartella");

    // A folder where the shortcut file should be: the .lnk fails and no .desktop follows.
    const fs::path apps = temp.path() / "applications";
    fs::create_directories(apps / "Tempestina10.lnk");
    const auto fileFailure = writeShortcut(apps.string(), installerRequest(false));
    ASSERT_TRUE(fileFailure.has_value());
    EXPECT_FALSE(fileFailure->folder);
    EXPECT_EQ(fileFailure->file, (apps / "Tempestina10.lnk").string());
    EXPECT_EQ(fileFailure->reason, "al suo posto c'è una cartella");
    EXPECT_FALSE(fs::exists(apps / "Tempestina10.desktop"));
    EXPECT_FALSE(fs::exists(apps / "Tempestina10.lnk.tmp"));

    const auto noFolder = writeShortcut("", installerRequest(false));
    ASSERT_TRUE(noFolder.has_value());
    EXPECT_EQ(noFolder->file, "Tempestina10.lnk");
    EXPECT_EQ(noFolder->reason, "la cartella di destinazione non è stata trovata");

    ShortcutRequest huge = installerRequest(false);
    huge.link.description = std::string(70000, 'd');
    const auto tooLong = writeShortcut(apps.string() + "/altro", huge);
    ASSERT_TRUE(tooLong.has_value());
    EXPECT_EQ(tooLong->reason, "un testo del collegamento è troppo lungo");
}

TEST(ShortcutFiles, italianReasons)
{
    EXPECT_EQ(italianReason(std::make_error_code(std::errc::permission_denied)), "accesso negato");
    EXPECT_EQ(italianReason(std::make_error_code(std::errc::no_space_on_device)),
              "il disco è pieno");
    EXPECT_EQ(italianReason(std::make_error_code(std::errc::read_only_file_system)),
              "il disco è di sola lettura");
    EXPECT_EQ(italianReason(std::make_error_code(std::errc::no_such_file_or_directory)),
              "il percorso non esiste");
    const std::error_code odd = std::make_error_code(std::errc::too_many_files_open);
    EXPECT_EQ(italianReason(odd), "errore di sistema " + std::to_string(odd.value()));
}
