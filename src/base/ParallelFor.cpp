#include "ParallelFor.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Whether this thread is running a part of a job: a job started there runs on threads of its
// own, for the kept workers may all be busy with the job it is part of.
thread_local bool in_part = false;

// Runs one part, marked as such (a job within a part runs its own parts within it).
void run_part(const std::function<void(int)>& part, int index) {
    const bool outer = in_part;
    in_part = true;
    part(index);
    in_part = outer;
}

// Threads kept for the whole run: a job's parts start without a thread being made for each
// (some 0.1 ms a thread here, several times a frame). The caller and the workers take the
// job's parts in turn, so a thread the system sets aside for a while (the renderer's own
// threads share the cores) leaves its parts to the others rather than holding the job up.
class cWorkers {
public:
    explicit cWorkers(int count) {
        for (int i = 0; i < count; ++i)
            threads_.emplace_back([this] { serve(); });
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

    // One job at a time; returns when every part has finished.
    void run(int parts, const std::function<void(int)>& part) {
        const std::lock_guard<std::mutex> one_job(job_mutex_);
        std::unique_lock<std::mutex> lock(mutex_);
        job_ = &part;
        parts_ = parts;
        next_ = finished_ = 0;
        ++generation_;
        lock.unlock();
        wake_.notify_all();
        lock.lock();
        take_parts(lock);
        done_.wait(lock, [this] { return finished_ == parts_; });
    }

private:
    void serve() {
        uint64_t seen = 0;
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
            if (stopping_)
                return;
            seen = generation_;
            take_parts(lock);
        }
    }

    // Runs parts of the current job until none is left to start. A part is taken and counted
    // under the lock, so the job outlives every call of it: its caller returns only once all
    // have finished, and a worker that wakes after that finds nothing left to take.
    void take_parts(std::unique_lock<std::mutex>& lock) {
        while (next_ < parts_) {
            const int index = next_++;
            const std::function<void(int)>* job = job_;
            lock.unlock();
            run_part(*job, index);
            lock.lock();
            if (++finished_ == parts_)
                done_.notify_one();
        }
    }

    std::vector<std::thread> threads_;
    std::mutex job_mutex_, mutex_;
    std::condition_variable wake_, done_;
    const std::function<void(int)>* job_ = nullptr;
    int parts_ = 0, next_ = 0, finished_ = 0;
    uint64_t generation_ = 0;
    bool stopping_ = false;
};

cWorkers& workers() {
    static cWorkers kept(parallel_parts() - 1);
    return kept;
}

// A thread of its own for each part but the first: for a job started from within a part,
// which the workers are busy with.
void run_on_new_threads(int parts, const std::function<void(int)>& part) {
    std::vector<std::thread> threads;
    threads.reserve(static_cast<size_t>(std::max(parts - 1, 0)));
    for (int i = 1; i < parts; ++i)
        threads.emplace_back(run_part, std::cref(part), i);
    if (parts > 0)
        run_part(part, 0);
    for (std::thread& thread : threads)
        thread.join();
}

} // namespace

int parallel_parts() {
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8);
}

void parallel_for(int parts, const std::function<void(int)>& part) {
    if (parts <= 1) {
        if (parts == 1)
            part(0);
        return;
    }
    if (in_part)
        return run_on_new_threads(parts, part);
    workers().run(parts, part);
}
