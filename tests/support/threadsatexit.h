#ifndef THREADSATEXIT_H
#define THREADSATEXIT_H

#include <QDir>

#include <chrono>
#include <thread>

// Qt's threads are detached: a thread pool waited for, or a QThread joined
// with wait(), may still be running its last steps when main returns. The
// leak check at exit stops every thread to read its stack, and a thread that
// ends meanwhile makes it fail ("Tracer caught signal 11"). Registered with
// atexit before the check, this waits a little for such threads to be gone.
namespace ThreadsAtExit {

inline int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

inline void awaitOthersGone()
{
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (threadCount() > 1 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
}

} // namespace ThreadsAtExit

#endif // THREADSATEXIT_H
