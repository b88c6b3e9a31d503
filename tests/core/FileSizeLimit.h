#pragma once
// Makes writes beyond a few bytes fail for the lifetime of the object, so
// that a failing write can be tested even when the tests run as root.
#include <sys/resource.h>
#include <csignal>

namespace vistello::test {

class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of killing us
        active_ = getrlimit(RLIMIT_FSIZE, &saved_) == 0;
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        active_ = active_ && setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~ScopedFileSizeLimit()
    {
        if (active_)
            setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_DFL);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

    bool active() const { return active_; }

private:
    rlimit saved_ {};
    bool active_ = false;
};

} // namespace vistello::test
