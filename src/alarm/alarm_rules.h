#pragma once
// The momentary alarm's rules, free of any window: the minutes equivalence display, the
// target in seconds, the counter's step, the caption and the sound of a type.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace alarmrules {

// The types the panel offers, in the order of its list.
inline constexpr std::array<std::string_view, 4> kTypes = {"Telefonata", "Appuntamento", "Impegno",
                                                           "Mio Allarme"};
inline constexpr std::string_view kCustomType = "Mio Allarme";
inline constexpr int kMaxMinutes = 480;

// What "Pari a" is followed by: "45" "Min." up to 59 minutes, "1:30" "Ore." from 60.
struct MinutesDisplay {
    std::string amount;
    std::string unit;
    bool operator==(const MinutesDisplay&) const = default;
};
MinutesDisplay minutesDisplay(int minutes);

// The countdown's target: the minutes in seconds, as decimal text.
std::string targetSeconds(int minutes);

// The counter after one tick: its text read as a number (leading digits, else 0), plus 1.
std::string nextCount(std::string_view counter);

// The main window's caption at a tick, from the counter before the tick's step.
std::string tickCaption(bool minimised, std::string_view counter);

// The file to play for a type (exact, case-sensitive), or none for an unknown type.
// "Mio Allarme" gives the custom file name, possibly empty.
std::optional<std::string> soundFile(std::string_view type, std::string_view customFile);

} // namespace alarmrules
