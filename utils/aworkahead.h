#ifndef AWORKAHEAD_H
#define AWORKAHEAD_H

#include "awaitfor.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <deque>
#include <functional>
#include <future>
#include <memory>

// Runs jobs on worker threads while the thread that added them goes on with
// the results of earlier ones, which it takes in the order the jobs were
// added. At most `ahead` results wait at once, so memory stays bounded
// however many jobs a task has. Jobs must use nothing but what they hold.
template <typename T>
class AWorkAhead
{
public:
    explicit AWorkAhead(int threads, int ahead)
        : m_ahead(std::max(1, ahead))
    {
        m_pool.setMaxThreadCount(std::max(1, threads));
    }
    // Drops the jobs not started and waits for those running; their results
    // go with this object, on its own thread, while the workers that made
    // them are still there.
    ~AWorkAhead()
    {
        m_pool.clear();
        m_pool.waitForDone();
        m_pending.clear();
    }
    AWorkAhead(const AWorkAhead&) = delete;
    AWorkAhead& operator=(const AWorkAhead&) = delete;

    // The workers a task gets beside the thread that takes the results.
    static int spareThreads(int most) { return std::clamp(QThread::idealThreadCount() - 1, 1, most); }

    bool full() const { return int(m_pending.size()) >= m_ahead; }
    int pending() const { return int(m_pending.size()); }

    void add(std::function<T()> job)
    {
        auto task = std::make_shared<std::packaged_task<T()>>(std::move(job));
        m_pending.push_back(task->get_future());
        m_pool.start([task] { (*task)(); });
    }

    // Waits for the oldest job not taken yet, doing `waiting` meanwhile;
    // false as soon as `waiting` is.
    bool waitForOldest(const std::function<bool()>& waiting) const { return aWaitFor(m_pending.front(), waiting); }

    // The result of the oldest job not taken yet, waited for. What the job
    // threw is thrown here instead, on the thread that takes the results:
    // on a worker it would end the program.
    T take()
    {
        std::future<T> oldest = std::move(m_pending.front());
        m_pending.pop_front();
        return oldest.get();
    }

private:
    int m_ahead;
    std::deque<std::future<T>> m_pending;
    QThreadPool m_pool;
};

#endif // AWORKAHEAD_H
