#include "alarm/alarm_rules.h"

#include <cstdint>

namespace alarmrules {

MinutesDisplay minutesDisplay(int minutes)
{
    if (minutes <= 59)
        return {std::to_string(minutes), "Min."};
    const int hours = minutes / 60;
    return {std::to_string(hours) + ":" + std::to_string(minutes - 60 * hours), "Ore."};
}

std::string targetSeconds(int minutes)
{
    return std::to_string(minutes * 60);
}

std::string nextCount(std::string_view counter)
{
    std::size_t i = 0;
    while (i < counter.size() && counter[i] == ' ')
        ++i;
    // Wide enough that no text a label can hold overflows; saturates instead of wrapping.
    std::int64_t value = 0;
    for (; i < counter.size() && counter[i] >= '0' && counter[i] <= '9'; ++i) {
        if (value > (INT64_MAX - 9) / 10)
            return std::to_string(value);
        value = value * 10 + (counter[i] - '0');
    }
    return std::to_string(value + 1);
}

std::string tickCaption(bool minimised, std::string_view counter)
{
    if (!minimised)
        return "Tempestina10";
    return "Allarme Attivo da: " + std::string(counter) + " sec.";
}

std::optional<std::string> soundFile(std::string_view type, std::string_view customFile)
{
    if (type == kCustomType)
        return std::string(customFile);
    if (type == "Telefonata")
        return "tel.wav";
    if (type == "Impegno")
        return "imp.wav";
    if (type == "Appuntamento")
        return "appu.wav";
    return std::nullopt;
}

} // namespace alarmrules
