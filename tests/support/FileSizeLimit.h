#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, the kernel cuts this process's writes short at `bytes` into a file and
// refuses the rest with EFBIG, as a full disk or a used-up quota does, even for root; the
// signal that would end the process is ignored.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit lowered{bytes, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;

private:
    void (*handler)(int);
    rlimit saved{};
};
