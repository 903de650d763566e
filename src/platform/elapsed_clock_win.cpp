#include "platform/elapsed_clock.h"

#include <windows.h>

std::int64_t elapsedClockMs()
{
    // Counts sleep and hibernation, unlike QueryUnbiasedInterruptTime.
    return std::int64_t(GetTickCount64());
}
