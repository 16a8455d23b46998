#ifndef AWAITFOR_H
#define AWAITFOR_H

#include <chrono>
#include <functional>
#include <future>

// Waits for a worker's result, doing `waiting` every few milliseconds so that
// the waiting thread goes on answering; false as soon as `waiting` is.
template <typename T>
bool aWaitFor(const std::future<T>& result, const std::function<bool()>& waiting)
{
    while (result.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
        if (!waiting())
            return false;
    return true;
}

#endif // AWAITFOR_H
