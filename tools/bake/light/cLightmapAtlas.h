// Light-map coordinates for a mesh: the surface is cut into charts of nearly one facing,
// each chart is laid flat (projected along its facing, so nothing is stretched by more than
// the chart's small bend) and packed with a gutter into one square map; no two overlap.
#pragma once

#include "cBakeMesh.h"

#include <vector>

class cLightmapAtlas {
public:
    static constexpr int kGutter = 3; // texels of clearance around each chart

    // `mesh` with its texture coordinates replaced by the light-map layout for a map of
    // `size` texels square. `density[i]` scales triangle i's share of texels (empty: all 1).
    // Vertices shared across a chart border are split.
    static cBakeMesh layout(const cBakeMesh& mesh, int size,
                            const std::vector<float>& density = {});

private:
    struct cChart {
        std::vector<uint32_t> triangles;
        Vec3f axis_u, axis_v;
        float min_u = 0, min_v = 0, width = 0, height = 0; // in world units
        float density = 1;
        int x = 0, y = 0; // placement in texels
    };

    static std::vector<cChart> charts(const cBakeMesh& mesh, const std::vector<float>& density);
    static bool pack(std::vector<cChart>& charts, float scale, int size);
};
