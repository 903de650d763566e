#pragma once
// A file-size limit, while it lives: a write past it fails (EFBIG) as on a full disk, a real
// write failure on a real file, also for root. POSIX only.

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        m_set = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    bool set() const { return m_set; }

private:
    rlimit m_saved{};
    void (*m_handler)(int);
    bool m_set = false;
};
