// Prints what the Windows shell reads from Tempestina10.lnk in the user's Startup or Programs
// folder, the folder asked of the shell by itself, one "name=value" line per field, in UTF-8.
// usage: read_shell_link startup|programs

#include "shell_link_reader.h"

#include <cstdio>
#include <cstring>
#include <objbase.h>
#include <shlobj.h>

int main(int argc, char* argv[])
{
    if (argc != 2 ||
        (std::strcmp(argv[1], "startup") != 0 && std::strcmp(argv[1], "programs") != 0)) {
        std::fprintf(stderr, "usage: read_shell_link startup|programs\n");
        return 2;
    }
    const KNOWNFOLDERID& id =
        std::strcmp(argv[1], "startup") == 0 ? FOLDERID_Startup : FOLDERID_Programs;
    PWSTR path = nullptr;
    // Named even when missing, and never made here: making it is Pontilo's job.
    if (FAILED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path))) {
        std::fprintf(stderr, "no folder %s\n", argv[1]);
        return 1;
    }
    const std::wstring folder = path;
    CoTaskMemFree(path);
    std::printf("folder=%s\n", utf8(folder).c_str());
    const auto fields = readShellLink(folder + L"\\Tempestina10.lnk");
    if (!fields) {
        std::fprintf(stderr, "the shell cannot load Tempestina10.lnk\n");
        return 1;
    }
    std::printf("target=%s\nworkdir=%s\ndescription=%s\narguments=%s\nshow=%d\n",
                fields->targetPath.c_str(), fields->workingDirectory.c_str(),
                fields->description.c_str(), fields->arguments.c_str(), fields->showCommand);
    return 0;
}
