#pragma once
// The deadline report as text: the clipboard copy and the lines of the printed page.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace report {

// What one slot gives the report: its date box and its text box, as they stand (UTF-8).
struct Row {
    std::string date;
    std::string text;
};
using Rows = std::array<Row, 10>;

// The date, five blanks and the text.
std::string rowText(const Row& row);
// 84 hyphen-minus characters.
std::string separator();

// The clipboard text: title, separators, the ten rows and the footer, CR LF line breaks.
std::string clipboardText(const Rows& rows, std::string_view footer);
// "Tempestina10 - " followed by the day's short date text.
std::string clipboardFooter(std::string_view shortDate);

// The printed page line by line from the top (index 0 is line 1): the rows on lines
// 6, 8, ... 24, separators on 5, 7, ... 25, the date line on 32.
std::vector<std::string> pageLines(const Rows& rows, std::string_view shortDate);

// The information print line by line: a blank, two empty lines, then the text's lines
// (CR LF, LF or CR end a line).
std::vector<std::string> informationLines(std::string_view text);

} // namespace report
