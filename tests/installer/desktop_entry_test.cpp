#include "installer/desktop_entry.h"
#include "run_command.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

// The reading side of the Desktop Entry Specification, written from its text: string escapes
// first, then the quoting of one Exec argument, then %% back to %.
std::string readQuotedExec(const std::string& value)
{
    std::string unescaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            unescaped += value[i];
            continue;
        }
        const char next = value[++i];
        switch (next) {
        case '\\':
            unescaped += '\\';
            break;
        case 's':
            unescaped += ' ';
            break;
        case 'n':
            unescaped += '\n';
            break;
        case 't':
            unescaped += '\t';
            break;
        case 'r':
            unescaped += '\r';
            break;
        default: // not a string escape: left for the quoting rule
            unescaped += '\\';
            unescaped += next;
        }
    }
    if (unescaped.size() < 2 || unescaped.front() != '"' || unescaped.back() != '"')
        return "<not quoted>";
    std::string argument;
    for (std::size_t i = 1; i + 1 < unescaped.size(); ++i) {
        const char c = unescaped[i];
        if (c == '\\') {
            argument += unescaped[++i];
        } else if (c == '"' || c == '`' || c == '$') {
            return "<unescaped " + std::string(1, c) + ">";
        } else if (c == '%') {
            if (unescaped[++i] != '%')
                return "<field code>";
            argument += '%';
        } else {
            argument += c;
        }
    }
    return argument;
}

std::string lineOf(const std::string& text, const std::string& key)
{
    const std::size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos)
        return {};
    const std::size_t start = at + 1 + key.size() + 1;
    return text.substr(start, text.find('\n', start) - start);
}

CommandResult validate(const std::string& text)
{
    TempFolder temp;
    const auto file = temp.path() / "Tempestina10.desktop";
    writeBytes(file, text);
    return runCommand("desktop-file-validate", file);
}

const std::string kAwkward = "/home/anna/Il mio \"posto\" $HOME 100% `sì`\\ok/Tempestina10";

} // namespace

TEST(DesktopEntry, exactTextOfAPlainEntry)
{
    const DesktopEntry entry{"Tempestina10", "Coll", "/opt/t/Tempestina10", "/opt/t", false, ""};
    EXPECT_EQ(desktopEntryText(entry), "[Desktop Entry]\n"
                                       "Type=Application\n"
                                       "Name=Tempestina10\n"
                                       "Comment=Coll\n"
                                       "Exec=\"/opt/t/Tempestina10\"\n"
                                       "Path=/opt/t\n"
                                       "Terminal=false\n");
    DesktopEntry autostart = entry;
    autostart.autostart = true;
    EXPECT_EQ(desktopEntryText(autostart).substr(desktopEntryText(entry).size()),
              "X-GNOME-Autostart-enabled=true\n");
    DesktopEntry withIcon = entry;
    withIcon.icon = "/opt/t/Tempestina10.png";
    EXPECT_EQ(lineOf(desktopEntryText(withIcon), "Icon"), "/opt/t/Tempestina10.png");
}

TEST(DesktopEntry, tryExecNamesTheProgramUnquoted)
{
    // The package's login entry: no working folder, a theme's icon, and a TryExec that a
    // session checks before starting anything.
    const DesktopEntry entry{"Tempestina10", "Coll", kAwkward, "", true, "org.example.T", true};
    const std::string text = desktopEntryText(entry);
    EXPECT_EQ(lineOf(text, "TryExec"),
              R"(/home/anna/Il mio "posto" $HOME 100% `sì`\\ok/Tempestina10)");
    EXPECT_EQ(lineOf(text, "Path"), "");
    EXPECT_EQ(lineOf(text, "Icon"), "org.example.T");
    const CommandResult checked = validate(text);
    EXPECT_EQ(checked.status, 0) << checked.output;
    EXPECT_EQ(lineOf(desktopEntryText(DesktopEntry{"T", "", "/opt/T", "", false, ""}), "TryExec"),
              "");
}

TEST(DesktopEntry, execQuotesBlanksQuotesDollarsPercentsAndBackslashes)
{
    const DesktopEntry entry{"Tempestina10", "Coll",
                             kAwkward,       "/home/anna/Il mio \\ posto",
                             true,           "/home/anna/Il mio \\ posto/Tempestina10.png"};
    const std::string text = desktopEntryText(entry);
    EXPECT_EQ(lineOf(text, "Exec"),
              R"("/home/anna/Il mio \\"posto\\" \\$HOME 100%% \\`sì\\`\\\\ok/Tempestina10")");
    EXPECT_EQ(readQuotedExec(lineOf(text, "Exec")), kAwkward);
    EXPECT_EQ(lineOf(text, "Path"), R"(/home/anna/Il mio \\ posto)") << "Path is not quoted";
    EXPECT_EQ(lineOf(text, "Icon"), R"(/home/anna/Il mio \\ posto/Tempestina10.png)");

    const CommandResult checked = validate(text);
    EXPECT_EQ(checked.status, 0) << checked.output;
    EXPECT_EQ(checked.output, "");
}

TEST(DesktopEntry, validatorRejectsWhatTheQuotingPrevents)
{
    // The same entry with the program written raw: the validator must notice, or the check
    // above would prove nothing.
    const DesktopEntry entry{"Tempestina10", "Coll", kAwkward, "/tmp", false, ""};
    std::string raw = desktopEntryText(entry);
    const std::string exec = lineOf(raw, "Exec");
    raw.replace(raw.find(exec), exec.size(), kAwkward);
    EXPECT_NE(validate(raw).status, 0);
}

TEST(DesktopEntry, stringValuesEscapeControlCharacters)
{
    EXPECT_EQ(escapeStringValue("a\\b\nc\td\re"), "a\\\\b\\nc\\td\\re");
    EXPECT_EQ(quoteExecArgument(""), "\"\"");
    const DesktopEntry entry{"Tempestina10", "riga uno\nriga due", "/opt/t/T", "/opt/t", false, ""};
    const std::string text = desktopEntryText(entry);
    EXPECT_EQ(lineOf(text, "Comment"), "riga uno\\nriga due");
    EXPECT_EQ(validate(text).status, 0) << validate(text).output;

    const DesktopEntry noComment{"Tempestina10", "", "/opt/t/T", "/opt/t", false, ""};
    EXPECT_EQ(desktopEntryText(noComment).find("Comment="), std::string::npos);
}
