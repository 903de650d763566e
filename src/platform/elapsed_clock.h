#pragma once
// The system's clock of elapsed time that keeps running while the machine sleeps and that no
// setting of the wall clock moves: CLOCK_BOOTTIME on Linux, GetTickCount64 on Windows. Qt's
// own timers run on CLOCK_MONOTONIC on Linux, which stops during a suspend.

#include <cstdint>

std::int64_t elapsedClockMs();
