// Preloaded into the real program: the boot clock and the wall clock it sees run ahead by
// the milliseconds written in the file $T10_CLOCK_SHIFT ("boot_ms wall_ms"), read again
// whenever that file is replaced, so that a test moves them while the program runs. The
// monotonic clock is left alone, as a suspend leaves it: Qt's timers keep their course.
#include <cstdint>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

namespace {

using clock_gettime_fn = int (*)(clockid_t, timespec*);

clock_gettime_fn real_clock_gettime()
{
    static clock_gettime_fn real;
    if (!real)
        real = reinterpret_cast<clock_gettime_fn>(dlsym(RTLD_NEXT, "clock_gettime"));
    return real;
}

int64_t shift_boot_ms, shift_wall_ms;
// What the file was when last read: a replaced file is a new inode.
ino_t read_ino;
timespec read_mtime;

int64_t parse_number(const char** p)
{
    int64_t sign = 1, value = 0;
    while (**p == ' ' || **p == '\t' || **p == '\n')
        ++*p;
    if (**p == '-') {
        sign = -1;
        ++*p;
    }
    while (**p >= '0' && **p <= '9')
        value = value * 10 + (*(*p)++ - '0');
    return sign * value;
}

// Cheap enough per reading of a shifted clock: a stat, and a read only after a change.
// open/read/stat, not stdio: none of them reads a clock, and none allocates.
void refresh_shifts()
{
    const char* path = getenv("T10_CLOCK_SHIFT");
    struct stat st;
    if (!path || stat(path, &st) != 0)
        return;
    if (st.st_ino == read_ino && st.st_mtim.tv_sec == read_mtime.tv_sec &&
        st.st_mtim.tv_nsec == read_mtime.tv_nsec)
        return;
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    char text[128];
    ssize_t n = read(fd, text, sizeof text - 1);
    close(fd);
    if (n <= 0)
        return;
    text[n] = '\0';
    const char* p = text;
    int64_t boot = parse_number(&p);
    int64_t wall = parse_number(&p);
    __atomic_store_n(&shift_boot_ms, boot, __ATOMIC_RELAXED);
    __atomic_store_n(&shift_wall_ms, wall, __ATOMIC_RELAXED);
    read_ino = st.st_ino;
    read_mtime = st.st_mtim;
}

void add_ms(timespec* ts, int64_t ms)
{
    int64_t ns = int64_t(ts->tv_nsec) + (ms % 1000) * 1000000;
    int64_t s = int64_t(ts->tv_sec) + ms / 1000;
    if (ns < 0) {
        ns += 1000000000;
        --s;
    } else if (ns >= 1000000000) {
        ns -= 1000000000;
        ++s;
    }
    ts->tv_sec = time_t(s);
    ts->tv_nsec = long(ns);
}

bool is_wall(clockid_t id)
{
    return id == CLOCK_REALTIME || id == CLOCK_REALTIME_COARSE || id == CLOCK_REALTIME_ALARM ||
           id == CLOCK_TAI;
}

bool is_boot(clockid_t id)
{
    return id == CLOCK_BOOTTIME || id == CLOCK_BOOTTIME_ALARM;
}

} // namespace

int clock_gettime(clockid_t id, timespec* ts) noexcept
{
    int result = real_clock_gettime()(id, ts);
    if (result != 0 || !(is_wall(id) || is_boot(id)))
        return result;
    refresh_shifts();
    add_ms(ts, __atomic_load_n(is_boot(id) ? &shift_boot_ms : &shift_wall_ms, __ATOMIC_RELAXED));
    return 0;
}

// glibc's own gettimeofday and time go to the kernel's page directly, past clock_gettime,
// and Qt 6.4 reads the date with gettimeofday.
int gettimeofday(timeval* tv, void* tz) noexcept
{
    timespec ts;
    if (tz)
        *static_cast<struct timezone*>(tz) = {0, 0};
    int result = clock_gettime(CLOCK_REALTIME, &ts);
    if (result == 0) {
        tv->tv_sec = ts.tv_sec;
        tv->tv_usec = ts.tv_nsec / 1000;
    }
    return result;
}

time_t time(time_t* out) noexcept
{
    timespec ts;
    if (clock_gettime(CLOCK_REALTIME, &ts) != 0)
        return time_t(-1);
    if (out)
        *out = ts.tv_sec;
    return ts.tv_sec;
}
