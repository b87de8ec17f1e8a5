#include "cPostSpan.h"

#include <GL/gl.h>

#include <chrono>

namespace {

bool timing = false;
int depth = 0;
double spent_ms = 0;

double now_ms() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

// The wait before the span keeps the scene's own queued drawing out of it.
cPostSpan::cPostSpan() {
    if (!timing || depth++ > 0)
        return;
    glFinish();
    begin_ms_ = now_ms();
}

cPostSpan::~cPostSpan() {
    if (!timing || --depth > 0)
        return;
    glFinish();
    spent_ms += now_ms() - begin_ms_;
}

void cPostSpan::enable_timing(bool on) {
    timing = on;
    depth = 0;
    spent_ms = 0;
}

double cPostSpan::take_ms() {
    const double ms = spent_ms;
    spent_ms = 0;
    return ms;
}
