// The one way the demo draws clouds of glowing points: each point adds its colour times its
// alpha over the pixels its disc covers, optionally only where it lies nearer than what the
// target holds. Drawn on the CPU where GL renders in software, through GL elsewhere.
#pragma once

#include "PointStyle.h"
#include "base/Singleton.h"
#include "cPointSplatter.h"
#include "cPointSprites.h"
#include "render/cSavedState.h"

#include <GL/gl.h>
#include <cstdint>
#include <optional>
#include <vector>

class cPointCloud {
public:
    enum class ePath { gl, cpu };
    // DEMO_POINTS=cpu or DEMO_POINTS=gl forces a path; otherwise the CPU's where the GL
    // renderer is a software one (llvmpipe, softpipe, swrast), GL's elsewhere.
    static ePath chosen_path();

    cPointCloud() = default;
    ~cPointCloud();
    cPointCloud(const cPointCloud&) = delete;
    cPointCloud& operator=(const cPointCloud&) = delete;

    // Readies the CPU path for clouds of up to `points` points of these sizes on a target of
    // the current viewport's size; a scene calls it while it loads.
    void prepare(size_t points, const std::vector<float>& sizes);
    // Starts a frame's points on the target being drawn, with the path chosen now. With
    // `depth_test` a point shows only where it lies nearer than the target's depth; points
    // never write depth.
    void begin(bool depth_test);
    // The source's points, in the model-view and projection set now.
    void add(const sPointSource& source, const sPointStyle& style);
    // Puts the points on the target: on the CPU path, one textured rectangle added over the
    // pixels they touched, their sum rounded once to the target's 8 bits.
    void end();

    ePath path() const { return path_; }

private:
    void read_depth(const cPointSplatter::sRect& rect);
    void draw_picture(const cPointSplatter::sRect& rect);

    ePath path_ = ePath::gl;
    bool depth_test_ = false;
    std::optional<cSavedState> gl_state_; // the GL path's blending and depth, begin to end
    GLint viewport_[4] = {0, 0, 0, 0};
    cPointSplatter splatter_;
    cPointSprites sprites_;
    std::vector<float> depth_;
    std::vector<uint8_t> picture_;
    GLuint texture_ = 0;
    int texture_w_ = 0, texture_h_ = 0;
};

inline cPointCloud& point_cloud() {
    return cSingleton<cPointCloud>::get();
}
