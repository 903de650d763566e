#include "report/report_text.h"

#include <gtest/gtest.h>

using report::Rows;

namespace {
const std::string kSep(84, '-');
}

TEST(ReportText, emptyCardStillGivesTheFullClipboardLayout)
{
    std::string expected = "SCADENZE PREVISTE\r\n\r\n" + kSep + "\r\n";
    for (int i = 0; i < 10; ++i)
        expected += "     \r\n" + kSep + "\r\n";
    expected += "\r\nTempestina10 - 10/03/05\r\n";
    EXPECT_EQ(report::clipboardText(Rows{}, report::clipboardFooter("10/03/05")), expected);
}

TEST(ReportText, rowsKeepDateAndTextAsTyped)
{
    Rows rows{};
    rows[0] = {"02/08/04", ""};
    rows[1] = {"", "Bollo > auto"};
    rows[9] = {"1/2/3", std::string(95, 'x')};
    const std::string text = report::clipboardText(rows, "F");
    EXPECT_NE(text.find("\r\n02/08/04     \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n     Bollo > auto\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n1/2/3     " + std::string(95, 'x') + "\r\n" + kSep),
              std::string::npos);
}

TEST(ReportText, pageLinesPutRowsSeparatorsAndDateOnTheirLines)
{
    Rows rows{};
    for (int k = 0; k < 10; ++k)
        rows[k] = {"0" + std::to_string(k) + "/01/05", "slot " + std::to_string(k + 1)};
    const std::vector<std::string> lines = report::pageLines(rows, "10/03/05");
    ASSERT_EQ(lines.size(), 32u);
    for (int line = 1; line <= 4; ++line)
        EXPECT_EQ(lines[line - 1], "") << line;
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(lines[2 * k + 4 - 1], report::rowText(rows[k - 1])) << k;
        EXPECT_EQ(lines[2 * k + 5 - 1], kSep) << k;
    }
    EXPECT_EQ(lines[5 - 1], kSep);
    for (int line = 26; line <= 31; ++line)
        EXPECT_EQ(lines[line - 1], "") << line;
    EXPECT_EQ(lines[31], std::string(31, ' ') + "Oggi è:   10/03/05");
}

TEST(ReportText, informationLinesStartWithABlankAndTwoEmptyLines)
{
    EXPECT_EQ(report::informationLines("uno\r\ndue\ntre\r\rquattro"),
              (std::vector<std::string>{" ", "", "", "uno", "due", "tre", "", "quattro"}));
}
