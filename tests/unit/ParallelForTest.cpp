#include "base/ParallelFor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

// Many jobs in a row on the kept workers, jobs of more parts than workers, and a job started
// from within a part: every part of every job runs exactly once, and each job has finished
// all its parts when the call returns.
TEST(ParallelFor, EveryPartRunsOnceAndIsDoneWhenTheCallReturns) {
    for (int parts : {1, 2, parallel_parts(), parallel_parts() + 3}) {
        for (int job = 0; job < 200; ++job) {
            std::vector<std::atomic<int>> runs(static_cast<size_t>(parts));
            parallel_for(parts, [&](int part) { ++runs[static_cast<size_t>(part)]; });
            for (int part = 0; part < parts; ++part)
                ASSERT_EQ(runs[static_cast<size_t>(part)].load(), 1) << parts << " parts";
        }
    }
    std::atomic<int> inner{0};
    parallel_for(2, [&](int) { parallel_for(3, [&](int) { ++inner; }); });
    EXPECT_EQ(inner.load(), 6);
}
