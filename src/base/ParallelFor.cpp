#include "ParallelFor.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Threads kept for the whole run: a job's parts start without a thread being made for each
// (some 0.1 ms a thread here, several times a frame). Worker i runs part i of each job.
class cWorkers {
public:
    explicit cWorkers(int count) {
        for (int i = 1; i <= count; ++i)
            threads_.emplace_back([this, i] { serve(i); });
    }

    ~cWorkers() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        for (std::thread& thread : threads_)
            thread.join();
    }

    int count() const { return static_cast<int>(threads_.size()); }

    // Parts 1 .. parts - 1 on the workers, part 0 on the caller; one job at a time.
    void run(int parts, const std::function<void(int)>& part) {
        const std::lock_guard<std::mutex> one_job(job_mutex_);
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            job_ = &part;
            parts_ = parts;
            remaining_ = parts - 1;
            ++generation_;
        }
        wake_.notify_all();
        part(0);
        std::unique_lock<std::mutex> lock(mutex_);
        done_.wait(lock, [this] { return remaining_ == 0; });
    }

    static bool on_worker() { return worker_thread; }

private:
    void serve(int index) {
        worker_thread = true;
        uint64_t seen = 0;
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
            if (stopping_)
                return;
            seen = generation_;
            if (index >= parts_)
                continue;
            const std::function<void(int)>* job = job_;
            lock.unlock();
            (*job)(index);
            lock.lock();
            if (--remaining_ == 0)
                done_.notify_one();
        }
    }

    static thread_local bool worker_thread;

    std::vector<std::thread> threads_;
    std::mutex job_mutex_, mutex_;
    std::condition_variable wake_, done_;
    const std::function<void(int)>* job_ = nullptr;
    int parts_ = 0, remaining_ = 0;
    uint64_t generation_ = 0;
    bool stopping_ = false;
};

thread_local bool cWorkers::worker_thread = false;

cWorkers& workers() {
    static cWorkers kept(parallel_parts() - 1);
    return kept;
}

// A thread of its own for each part but the first: for more parts than workers, and for a
// job started from within a part, which the workers are busy with. A job of one part (or
// none) makes no thread at all.
void run_on_new_threads(int parts, const std::function<void(int)>& part) {
    std::vector<std::thread> threads;
    threads.reserve(static_cast<size_t>(std::max(parts - 1, 0)));
    for (int i = 1; i < parts; ++i)
        threads.emplace_back(part, i);
    if (parts > 0)
        part(0);
    for (std::thread& thread : threads)
        thread.join();
}

} // namespace

int parallel_parts() {
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8);
}

void parallel_for(int parts, const std::function<void(int)>& part) {
    if (parts <= 1 || cWorkers::on_worker() || parts - 1 > workers().count())
        return run_on_new_threads(parts, part);
    workers().run(parts, part);
}
