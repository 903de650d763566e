#include "installer/desktop_entry.h"

std::string escapeStringValue(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string quoteExecArgument(std::string_view argument)
{
    std::string out = "\"";
    for (char c : argument) {
        switch (c) {
        case '"':
        case '`':
        case '$':
        case '\\':
            out += '\\';
            out += c;
            break;
        case '%':
            out += "%%";
            break;
        default:
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string desktopEntryText(const DesktopEntry& entry)
{
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Name=" + escapeStringValue(entry.name) + "\n";
    if (!entry.comment.empty())
        text += "Comment=" + escapeStringValue(entry.comment) + "\n";
    text += "Exec=" + escapeStringValue(quoteExecArgument(entry.program)) + "\n";
    if (entry.tryExec)
        text += "TryExec=" + escapeStringValue(entry.program) + "\n";
    if (!entry.workingDirectory.empty())
        text += "Path=" + escapeStringValue(entry.workingDirectory) + "\n";
    if (!entry.icon.empty())
        text += "Icon=" + escapeStringValue(entry.icon) + "\n";
    text += "Terminal=false\n";
    if (entry.autostart)
        text += "X-GNOME-Autostart-enabled=true\n";
    return text;
}
