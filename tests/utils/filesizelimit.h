#ifndef FILESIZELIMIT_H
#define FILESIZELIMIT_H

#include <functional>

#include <signal.h>
#include <sys/resource.h>

// Runs `job` with this process's files unable to grow past `limit` bytes, as
// if the disk were full there: writes beyond it fail instead of ending the
// process. Answers the job's result, or -1 when the limit could not be set.
// Not in a child process: one forked while another thread holds a lock (the
// allocator's, say) waits for that lock for ever.
inline int withFileSizeLimit(long limit, const std::function<int()>& job)
{
    rlimit before{};
    if (::getrlimit(RLIMIT_FSIZE, &before) != 0 || (before.rlim_max != RLIM_INFINITY && before.rlim_max < rlim_t(limit)))
        return -1;
    struct sigaction ignore{};
    struct sigaction previous{};
    ignore.sa_handler = SIG_IGN;
    if (::sigaction(SIGXFSZ, &ignore, &previous) != 0)
        return -1;
    const rlimit limited{rlim_t(limit), before.rlim_max};
    int result = -1;
    if (::setrlimit(RLIMIT_FSIZE, &limited) == 0) {
        result = job();
        ::setrlimit(RLIMIT_FSIZE, &before);
    }
    ::sigaction(SIGXFSZ, &previous, nullptr);
    return result;
}

#endif // FILESIZELIMIT_H
