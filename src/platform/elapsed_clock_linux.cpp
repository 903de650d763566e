#include "platform/elapsed_clock.h"

#include <ctime>

std::int64_t elapsedClockMs()
{
    timespec now{};
    // Cannot fail for a clock the kernel has had since 2.6.39.
    clock_gettime(CLOCK_BOOTTIME, &now);
    return std::int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}
