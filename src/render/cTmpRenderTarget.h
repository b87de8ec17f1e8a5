// A handle on one pooled render target, lent by the render-target manager.
// It is empty or holds exactly one target; dropping a handle that holds one
// gives it back to the pool, so a handle never outlives its manager.
#pragma once

#include "iRenderTarget.h"

#include <cstdint>

class cRenderTargetManager;

// Pool size types: the divisor of the view size, or -1 for twice its size.
enum eRTType : int32_t {
    RTT_NONE = 0,
    RTT_FULL = 1,
    RTT_HALF = 2,
    RTT_QUATER = 4,
    RTT_EIGHTH = 8,
    RTT_DOUBLE = -1,
};

class cTmpRenderTarget {
public:
    cTmpRenderTarget() = default;
    // A held target belongs to exactly one handle: handles are not copied.
    cTmpRenderTarget(const cTmpRenderTarget&) = delete;
    cTmpRenderTarget& operator=(const cTmpRenderTarget&) = delete;
    ~cTmpRenderTarget();

    bool empty() const { return target_ == nullptr; }
    eRTType type() const { return type_; }
    cRenderTargetManager* manager() const { return manager_; }
    iRenderTarget* get() const { return target_; }
    iRenderTarget* operator->() const { return target_; }

private:
    friend class cRenderTargetManager;
    void fill(eRTType type, cRenderTargetManager* manager, iRenderTarget* target);

    eRTType type_ = RTT_NONE;
    cRenderTargetManager* manager_ = nullptr;
    iRenderTarget* target_ = nullptr;
};
