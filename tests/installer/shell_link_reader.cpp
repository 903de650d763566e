#include "shell_link_reader.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <windows.h>

namespace {

// Releases a COM interface on every way out.
template <typename T> struct Released {
    T* p = nullptr;
    ~Released()
    {
        if (p != nullptr)
            p->Release();
    }
};

} // namespace

std::string utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

std::optional<ShellLinkFields> readShellLink(const std::wstring& file)
{
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::optional<ShellLinkFields> result;
    {
        Released<IShellLinkW> link;
        Released<IPersistFile> persist;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IShellLinkW, reinterpret_cast<void**>(&link.p))) &&
            SUCCEEDED(
                link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist.p))) &&
            SUCCEEDED(persist.p->Load(file.c_str(), STGM_READ))) {
            // Larger than any field the writer accepts, so nothing is cut short.
            std::wstring buffer(70000, L'\0');
            const auto text = [&buffer] { return utf8(buffer.c_str()); };
            const int size = static_cast<int>(buffer.size());
            ShellLinkFields fields;
            if (SUCCEEDED(link.p->GetPath(buffer.data(), size, nullptr, SLGP_RAWPATH)))
                fields.targetPath = text();
            buffer.assign(buffer.size(), L'\0');
            if (SUCCEEDED(link.p->GetWorkingDirectory(buffer.data(), size)))
                fields.workingDirectory = text();
            buffer.assign(buffer.size(), L'\0');
            if (SUCCEEDED(link.p->GetDescription(buffer.data(), size)))
                fields.description = text();
            buffer.assign(buffer.size(), L'\0');
            if (SUCCEEDED(link.p->GetArguments(buffer.data(), size)))
                fields.arguments = text();
            link.p->GetShowCmd(&fields.showCommand);
            result = fields;
        }
    }
    if (SUCCEEDED(init))
        CoUninitialize();
    return result;
}
