#ifndef FILESIZELIMIT_H
#define FILESIZELIMIT_H

#include <QThreadPool>

#include <cstdio>
#include <functional>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `job` in a child process whose files cannot grow past `limit` bytes,
// as if the disk were full there: writes beyond it fail instead of ending the
// process. Answers the job's result, or -1 when the child did not end by
// itself. The child shares nothing written in memory with the test.
inline int withFileSizeLimit(long limit, const std::function<int()>& job)
{
    // The child gets only this thread: idle threads the shared pool kept from
    // earlier jobs would be waited for there for ever (painting uses them).
    QThreadPool::globalInstance()->waitForDone();
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{rlim_t(limit), rlim_t(limit)};
        if (::setrlimit(RLIMIT_FSIZE, &size) != 0)
            ::_exit(120);
        const int result = job();
        std::fflush(nullptr);
        ::_exit(result);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif // FILESIZELIMIT_H
