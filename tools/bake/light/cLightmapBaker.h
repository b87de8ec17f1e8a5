// Bakes a room's light maps by ray tracing (Embree): for every texel of every piece the
// light of the rig's lamps with soft shadows, one bounce of it off the room, the cool sky
// through the skylight and ambient occlusion; once with the lamps off and once on.
#pragma once

#include "cBakeMesh.h"
#include "cLightRig.h"

#include <cstdint>
#include <vector>

// One piece's two maps, 8-bit RGB rows bottom first.
struct cLightmapPair {
    int size = 0;
    std::vector<uint8_t> off, on;
};

struct cBakeStats {
    double seconds = 0;     // wall clock
    double cpu_seconds = 0; // all threads together
    uint64_t rays = 0;
};

class cLightmapBaker {
public:
    struct cPiece {
        const cBakeMesh* mesh; // with light-map coordinates
        int size;              // the maps' edge in texels
        int surface;           // index into the surfaces
        bool wanted;           // false: only casts shadows and bounces light
    };

    cLightmapBaker(std::vector<cPiece> pieces, std::vector<cLightSurface> surfaces, cLightRig rig);
    ~cLightmapBaker();
    cLightmapBaker(const cLightmapBaker&) = delete;
    cLightmapBaker& operator=(const cLightmapBaker&) = delete;

    // Bakes every wanted piece; the result has one pair per piece (empty when not wanted).
    std::vector<cLightmapPair> bake(cBakeStats& stats);

private:
    struct cMap;
    struct cTexel {
        Vec3f position, normal;
        bool covered = false;
    };
    void build_scene();
    void rasterize(size_t piece, cMap& map) const;
    void direct_pass(cMap& map, uint64_t& rays) const;
    void gather_pass(size_t piece, cMap& map, uint64_t& rays) const;
    float texel_length(size_t piece, const cMap& map) const;
    void compose(size_t piece, cMap& map) const;
    template <class F> static uint64_t in_parallel(int rows, F work);
    sRgb lamps_at(const Vec3f& p, const Vec3f& n, uint32_t seed, uint64_t& rays) const;
    sRgb sky_at(const Vec3f& p, const Vec3f& n, uint32_t seed, uint64_t& rays) const;
    bool visible(const Vec3f& from, const Vec3f& to) const;
    void bounce_from(unsigned geometry, unsigned triangle, float u, float v, sRgb& on,
                     sRgb& off) const;
    const cLightSurface& surface(size_t piece) const;
    sRgb albedo(size_t piece, const Vec3f& p) const;
    sRgb moonlit(sRgb c) const;
    bool lit_bulb(size_t piece, const Vec3f& p) const;
    void finish(size_t piece, const cMap& map, cLightmapPair& out) const;

    std::vector<cPiece> pieces_;
    std::vector<cLightSurface> surfaces_;
    cLightRig rig_;
    std::vector<cMap*> maps_;
    void* device_ = nullptr;
    void* scene_ = nullptr;
};
