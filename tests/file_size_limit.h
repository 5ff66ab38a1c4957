// SPDX-License-Identifier: MIT
// A full disk for the tests: files may not grow beyond a size while it
// lives, and a write past it fails as on a full disk (SIGXFSZ ignored).
#pragma once

#include <csignal>

#include <sys/resource.h>

// Writes may not grow a file beyond `bytes` while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};
