// The pool of temporary render targets, by size type. Warm-up creates the
// targets a frame usually needs; after it none is created unless a sequence
// needs more of one type at once, and each such creation is announced.
#pragma once

#include "base/Singleton.h"
#include "base/cDemoTime.h"
#include "cTmpRenderTarget.h"

#include <cstddef>
#include <list>
#include <utility>

class cRenderTargetManager {
public:
    // Warm-up: two full, two half, three quarter and two eighth targets.
    cRenderTargetManager();
    cRenderTargetManager(const cRenderTargetManager&) = delete;
    cRenderTargetManager& operator=(const cRenderTargetManager&) = delete;
    // Prints the statistics and deletes every pooled target.
    ~cRenderTargetManager();

    // Fills `handle` with a free target of `type`, the longest-free first.
    void acquire(cTmpRenderTarget& handle, eRTType type);
    // Gives the handle's target back and empties it; nothing if empty.
    void release(cTmpRenderTarget& handle);

    // The clock whose demo time stamps the pool's warnings (none: 0). Not owned.
    void set_clock(const cDemoTime* clock) { clock_ = clock; }

    static const char* type_name(int32_t type);
    // The size type whose view-width divisor gives the target's width.
    static eRTType type_of(const iRenderTarget& target);

    size_t free_count() const { return free_count_; }
    int in_use() const { return in_use_; }
    int peak() const { return peak_; }
    // The free targets, front (next to be lent) first.
    const std::list<std::pair<eRTType, iRenderTarget*>>& free_list() const { return free_; }

private:
    iRenderTarget* take_free(eRTType type);
    iRenderTarget* create_target(eRTType type);

    std::list<std::pair<eRTType, iRenderTarget*>> free_;
    size_t free_count_ = 0;
    int in_use_ = 0;
    int peak_ = 0;
    bool warmed_up_ = false;
    const cDemoTime* clock_ = nullptr;
};

inline cRenderTargetManager& render_target_manager() {
    return cSingleton<cRenderTargetManager>::get();
}
