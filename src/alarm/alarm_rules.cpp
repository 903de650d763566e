#include "alarm/alarm_rules.h"

#include <charconv>
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

std::int64_t elapsedSeconds(std::int64_t armedAtMs, std::int64_t nowMs)
{
    return nowMs > armedAtMs ? (nowMs - armedAtMs) / 1000 : 0;
}

bool targetReached(std::int64_t seconds, std::string_view target)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(target.data(), target.data() + target.size(), value);
    return error == std::errc() && end == target.data() + target.size() && value > 0 &&
           seconds >= value;
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
