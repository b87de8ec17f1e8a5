// A mesh under construction in the content pipeline: vertices, triangles and
// material groups. Normals and texture coordinates are either absent or one per
// vertex; triangles are counter-clockwise seen from outside; group 0 starts at 0.
#pragma once

#include "geometry/Vec3.h"
#include "mesh_files/cMaterial.h"

#include <array>
#include <cstdint>
#include <vector>

class cBakeTransform;

struct cTexCoord {
    float u = 0, v = 0;
};

class cBakeMesh {
public:
    using cTriangle = std::array<uint32_t, 3>;

    std::vector<Vec3f> positions;
    std::vector<Vec3f> normals;       // empty, or one unit normal per vertex
    std::vector<cTexCoord> texcoords; // empty, or one per vertex
    std::vector<cTriangle> triangles;
    std::vector<uint32_t> group_starts; // first triangle of each material group
    std::vector<cMaterial> materials;   // material g draws group g
    bool per_group = false;             // drawn group by group with the materials

    size_t vertex_count() const { return positions.size(); }
    bool has_normals() const { return !normals.empty(); }
    bool has_texcoords() const { return !texcoords.empty(); }
    size_t group_count() const { return group_starts.size(); }

    // Adds one vertex; returns its index. Pass the attributes this mesh keeps.
    uint32_t add_vertex(const Vec3f& p, const Vec3f& n, cTexCoord uv);
    uint32_t add_vertex(const Vec3f& p);
    void add_triangle(uint32_t a, uint32_t b, uint32_t c) { triangles.push_back({a, b, c}); }
    // Two triangles a-b-c and a-c-d of a counter-clockwise quad.
    void add_quad(uint32_t a, uint32_t b, uint32_t c, uint32_t d);

    // Appends `part` as one new material group drawn with `material`.
    void add_group(const cBakeMesh& part, const cMaterial& material);
    // Appends `part` with its own groups and materials (none: joins the last group).
    void append(const cBakeMesh& part);

    // Moves, turns or scales the mesh; normals follow, and a mirroring
    // transform reverses the winding so that front faces stay in front.
    cBakeMesh& transform(const cBakeTransform& t);
    cBakeMesh& translate(const Vec3f& offset);
    cBakeMesh& rotate(const Vec3f& axis, float degrees);
    cBakeMesh& scale(const Vec3f& factors);
    // Multiplies texture coordinates, e.g. to repeat a tiled texture.
    cBakeMesh& scale_texcoords(float su, float sv);

    // The same surface with every triangle on its own three vertices and
    // normals across its face: the faceted look.
    cBakeMesh flat_shaded() const;
    // The unit normal of triangle `i` by its winding (zero for a degenerate one).
    Vec3f face_normal(size_t i) const;

private:
    void check_attributes(const cBakeMesh& part) const;
    void append_vertices(const cBakeMesh& part);
};
