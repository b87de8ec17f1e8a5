// A camera move for the content pipeline: splines for the eye and the
// interest point (and optionally the up vector), sampled into equally spaced
// keys. The demo shows key k of n at path time k / n and blends linearly between keys.
#pragma once

#include "cBakePathWriter.h"
#include "cBakeSpline.h"

#include <optional>

class cBakeCameraPath {
public:
    cBakeCameraPath(cBakeSpline eye, cBakeSpline interest);

    // A fixed up vector for every key (the default is +Y).
    cBakeCameraPath& set_up(const Vec3f& up);
    // An up vector that turns (a roll); each key's up comes out unit length.
    cBakeCameraPath& set_up(cBakeSpline up);
    // Keys spaced evenly along the eye's way, so the camera keeps one speed;
    // otherwise each span between control points takes the same time.
    cBakeCameraPath& set_even_speed(bool even);
    // Keys eased in and out, so the camera leaves the first key and reaches the last at
    // rest; each span between control points keeps an equal share of the time. Easing and
    // even speed exclude each other: setting one turns the other off.
    cBakeCameraPath& set_eased(bool eased);

    std::vector<cBakePathKey> keys(int count) const;
    // Samples `count` keys and writes them as a path file.
    void write(int count, const std::string& path) const;

private:
    cBakeSpline eye_;
    cBakeSpline interest_;
    std::optional<cBakeSpline> up_spline_;
    Vec3f up_{0, 1, 0};
    bool even_ = false;
    bool eased_ = false;
};
