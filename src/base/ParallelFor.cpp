#include "ParallelFor.h"

#include <algorithm>
#include <thread>
#include <vector>

int parallel_parts() {
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8);
}

void parallel_for(int parts, const std::function<void(int)>& part) {
    std::vector<std::thread> threads;
    threads.reserve(static_cast<size_t>(std::max(parts - 1, 0)));
    for (int i = 1; i < parts; ++i)
        threads.emplace_back(part, i);
    if (parts > 0)
        part(0);
    for (std::thread& thread : threads)
        thread.join();
}
