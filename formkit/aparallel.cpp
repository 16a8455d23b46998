#include "aparallel.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

void AParallel::forEach(int count, const std::function<void(int)>& job)
{
    if (count <= 0)
        return;
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int i = next++; i < count; i = next++)
            job(i);
    };
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> helpers;
    for (int h = 1; h < std::min(count, cores); ++h) {
        try {
            helpers.emplace_back(work);
        } catch (const std::system_error&) {
            break; // no thread to spare: those started, and this one, do it all
        }
    }
    work();
    for (std::thread& helper : helpers)
        helper.join();
}
