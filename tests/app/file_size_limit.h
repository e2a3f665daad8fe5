// A limit on the size of every file the test process writes, for as long as
// the object lives. The limit (RLIMIT_FSIZE) binds root too, so a save that
// runs into it stands for a full disk on any machine; its signal is ignored
// so that the write fails with "File too large" instead of ending the process.
#pragma once

#include <QtGlobal>

#include <sys/resource.h>

#include <csignal>

namespace tensorium::testing_support {

class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        if (::getrlimit(RLIMIT_FSIZE, &saved_) != 0) return;
        rlimit limited = saved_;
        limited.rlim_cur = static_cast<rlim_t>(bytes);
        if (saved_.rlim_max != RLIM_INFINITY && limited.rlim_cur > saved_.rlim_max) return;
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        set_ = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        if (previousHandler_ == SIG_ERR) return;
        if (set_) ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // Whether the limit holds.
    bool ok() const { return set_; }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_ERR;
    bool set_ = false;
};

}  // namespace tensorium::testing_support
