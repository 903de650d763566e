#include "report/report_text.h"

namespace report {

namespace {
const std::string kBreak = "\r\n";
}

std::string rowText(const Row& row)
{
    return row.date + "     " + row.text;
}

std::string separator()
{
    return std::string(84, '-');
}

std::string clipboardText(const Rows& rows, std::string_view footer)
{
    std::string text = "SCADENZE PREVISTE" + kBreak + kBreak + separator() + kBreak;
    for (const Row& row : rows)
        text += rowText(row) + kBreak + separator() + kBreak;
    text += kBreak;
    text += footer;
    text += kBreak;
    return text;
}

std::string clipboardFooter(std::string_view shortDate)
{
    return "Tempestina10 - " + std::string(shortDate);
}

std::vector<std::string> pageLines(const Rows& rows, std::string_view shortDate)
{
    // Four empty lines leave the band of the title picture.
    std::vector<std::string> lines(4);
    lines.push_back(separator());
    for (const Row& row : rows) {
        lines.push_back(rowText(row));
        lines.push_back(separator());
    }
    // The old print statements left six empty lines before the date line.
    lines.resize(lines.size() + 6);
    lines.push_back(std::string(31, ' ') + "Oggi è:" + std::string(3, ' ') +
                    std::string(shortDate));
    return lines;
}

std::vector<std::string> informationLines(std::string_view text)
{
    std::vector<std::string> lines{" ", "", ""};
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    lines.push_back(line);
    return lines;
}

} // namespace report
