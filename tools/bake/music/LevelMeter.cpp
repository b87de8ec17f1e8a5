#include "LevelMeter.h"

#include <algorithm>
#include <cmath>

double cLevelMeter::to_db(double amplitude) {
    return amplitude > 1e-6 ? 20.0 * std::log10(amplitude) : -120.0;
}

double cLevelMeter::energy(size_t from, size_t to) const {
    double sum = 0.0;
    for (size_t i = from; i < to; ++i)
        sum += double(audio_.left[i]) * audio_.left[i] + double(audio_.right[i]) * audio_.right[i];
    return sum;
}

Levels cLevelMeter::levels(size_t from, size_t to) const {
    to = std::min(to, audio_.frames());
    Levels out;
    if (from >= to)
        return out;
    float peak = 0.0f;
    for (size_t i = from; i < to; ++i)
        peak = std::max({peak, std::fabs(audio_.left[i]), std::fabs(audio_.right[i])});
    out.peak_db = to_db(peak);
    out.rms_db = to_db(std::sqrt(energy(from, to) / (2.0 * (to - from))));
    return out;
}

// Steps by half a window; fine enough to catch any gap longer than a window.
QuietSpot cLevelMeter::quietest(size_t from, size_t to, size_t window) const {
    to = std::min(to, audio_.frames());
    QuietSpot out;
    out.rms_db = 1000.0;
    for (size_t at = from; at + window <= to; at += std::max<size_t>(1, window / 2)) {
        const double db = to_db(std::sqrt(energy(at, at + window) / (2.0 * window)));
        if (db < out.rms_db)
            out = {double(at) / kSampleRate, db};
    }
    return out;
}
