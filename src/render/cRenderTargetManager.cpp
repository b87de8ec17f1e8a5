#include "cRenderTargetManager.h"

#include "base/Messages.h"
#include "base/cDisplaySettings.h"
#include "cRenderTarget_fbo.h"

#include <algorithm>

namespace {

constexpr eRTType kWarmUp[] = {RTT_FULL,   RTT_FULL,   RTT_HALF,   RTT_HALF,  RTT_QUATER,
                               RTT_QUATER, RTT_QUATER, RTT_EIGHTH, RTT_EIGHTH};
constexpr size_t kWarmUpCount = sizeof(kWarmUp) / sizeof(kWarmUp[0]);

struct cSize {
    unsigned width;
    unsigned height;
};

// The size a type gives for the current view; 0 x 0 for a type that names
// no size (the view size divided by zero or by a negative count).
cSize size_of(eRTType type) {
    const cDisplaySettings& view = display_settings();
    if (type == RTT_DOUBLE)
        return {2 * view.view_width, 2 * view.view_height};
    if (type <= 0)
        return {0, 0};
    const unsigned divisor = static_cast<unsigned>(type);
    return {view.view_width / divisor, view.view_height / divisor};
}

} // namespace

cRenderTargetManager::cRenderTargetManager() {
    cTmpRenderTarget handles[kWarmUpCount];
    for (size_t i = 0; i < kWarmUpCount; ++i)
        acquire(handles[i], kWarmUp[i]);
    warmed_up_ = true;
    for (size_t i = kWarmUpCount; i-- > 0;)
        release(handles[i]);
}

cRenderTargetManager::~cRenderTargetManager() {
    msg_out() << "# rrt-manager: number of tmp-rt allocated: " << free_count_ << std::endl;
    msg_out() << "# rtt-manager: maximum concurrently allocated RTs: " << peak_ << std::endl;
    for (auto& [type, target] : free_)
        delete target;
    free_.clear();
    free_count_ = 0;
}

void cRenderTargetManager::acquire(cTmpRenderTarget& handle, eRTType type) {
    const cSize size = size_of(type);
    if (size.width == 0 || size.height == 0) {
        msg_err() << "## ERROR in cRenderTargetManager::acquire: no render target of type "
                  << type_name(type) << std::endl;
        return;
    }
    // A handle holds one target: refilling it must not lose the old one.
    release(handle);
    peak_ = std::max(peak_, ++in_use_);
    iRenderTarget* target = take_free(type);
    if (!target)
        target = create_target(type);
    handle.fill(type, this, target);
}

void cRenderTargetManager::release(cTmpRenderTarget& handle) {
    if (handle.empty())
        return;
    --in_use_;
    free_.emplace_back(handle.type(), handle.get());
    ++free_count_;
    handle.fill(RTT_NONE, nullptr, nullptr);
}

iRenderTarget* cRenderTargetManager::take_free(eRTType type) {
    const auto found = std::find_if(free_.begin(), free_.end(),
                                    [type](const auto& entry) { return entry.first == type; });
    if (found == free_.end())
        return nullptr;
    iRenderTarget* target = found->second;
    free_.erase(found);
    --free_count_;
    return target;
}

iRenderTarget* cRenderTargetManager::create_target(eRTType type) {
    if (warmed_up_)
        msg_out() << "# performance-warning at " << (clock_ ? clock_->demo_time() : 0)
                  << "ms: allocated rendertarget runtime: " << type_name(type) << std::endl;
    const cSize size = size_of(type);
    iRenderTarget* target = new cRenderTarget_fbo(size.width, size.height);
    target->create();
    return target;
}

const char* cRenderTargetManager::type_name(int32_t type) {
    switch (type) {
    case RTT_NONE:
        return "RTT_NONE";
    case RTT_FULL:
        return "RTT_FULL";
    case RTT_HALF:
        return "RTT_HALF";
    case RTT_QUATER:
        return "RTT_QUATER";
    case RTT_EIGHTH:
        return "RTT_EIGHTH";
    case RTT_DOUBLE:
        return "RTT_DOUBLE";
    default:
        return "OOOPS";
    }
}

eRTType cRenderTargetManager::type_of(const iRenderTarget& target) {
    if (target.width() == 0)
        return RTT_NONE;
    switch (display_settings().view_width / target.width()) {
    case 1:
        return RTT_FULL;
    case 2:
        return RTT_HALF;
    case 4:
        return RTT_QUATER;
    case 8:
        return RTT_EIGHTH;
    default:
        return RTT_NONE;
    }
}
