#pragma once
// The momentary alarm's rules, free of any window: the minutes equivalence display, the
// target in seconds, the counter, the caption and the sound of a type.

#include <array>
#include <cstdint>
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

// The counter at a tick: the whole seconds from arming to now on the elapsed clock; a reading
// before the arming one (never on a sound clock) counts as none.
std::int64_t elapsedSeconds(std::int64_t armedAtMs, std::int64_t nowMs);

// Whether the counter has reached the target, the decimal text of a positive number of
// seconds; any other target is never reached.
bool targetReached(std::int64_t seconds, std::string_view target);

// The main window's caption at a tick, from the counter before the tick's step.
std::string tickCaption(bool minimised, std::string_view counter);

// The file to play for a type (exact, case-sensitive), or none for an unknown type.
// "Mio Allarme" gives the custom file name, possibly empty.
std::optional<std::string> soundFile(std::string_view type, std::string_view customFile);

} // namespace alarmrules
