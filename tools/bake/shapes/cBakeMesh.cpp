#include "cBakeMesh.h"

#include "cBakeTransform.h"

#include <stdexcept>
#include <utility>

uint32_t cBakeMesh::add_vertex(const Vec3f& p, const Vec3f& n, cTexCoord uv) {
    positions.push_back(p);
    normals.push_back(n);
    texcoords.push_back(uv);
    return uint32_t(positions.size() - 1);
}

uint32_t cBakeMesh::add_vertex(const Vec3f& p) {
    positions.push_back(p);
    return uint32_t(positions.size() - 1);
}

void cBakeMesh::add_quad(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
    add_triangle(a, b, c);
    add_triangle(a, c, d);
}

// Vertex attributes must match: a mesh keeps normals (or texture
// coordinates) for all of its vertices or for none.
void cBakeMesh::check_attributes(const cBakeMesh& part) const {
    if (!positions.empty() &&
        (has_normals() != part.has_normals() || has_texcoords() != part.has_texcoords()))
        throw std::invalid_argument("appended mesh has other vertex attributes");
}

void cBakeMesh::append_vertices(const cBakeMesh& part) {
    const auto base = uint32_t(positions.size());
    positions.insert(positions.end(), part.positions.begin(), part.positions.end());
    normals.insert(normals.end(), part.normals.begin(), part.normals.end());
    texcoords.insert(texcoords.end(), part.texcoords.begin(), part.texcoords.end());
    for (const cTriangle& t : part.triangles)
        triangles.push_back({t[0] + base, t[1] + base, t[2] + base});
}

void cBakeMesh::add_group(const cBakeMesh& part, const cMaterial& material) {
    if (part.triangles.empty())
        throw std::invalid_argument("material group '" + material.name + "' has no triangles");
    if (group_starts.empty() && !triangles.empty())
        throw std::invalid_argument("mesh has triangles outside any material group");
    check_attributes(part);
    group_starts.push_back(uint32_t(triangles.size()));
    materials.push_back(material);
    per_group = true;
    append_vertices(part);
}

void cBakeMesh::append(const cBakeMesh& part) {
    const auto first = uint32_t(triangles.size());
    if (group_starts.empty() && !part.group_starts.empty() && first > 0)
        throw std::invalid_argument("appending groups to a mesh without groups");
    check_attributes(part);
    for (uint32_t start : part.group_starts)
        group_starts.push_back(start + first);
    materials.insert(materials.end(), part.materials.begin(), part.materials.end());
    per_group = per_group || part.per_group;
    append_vertices(part);
}

cBakeMesh& cBakeMesh::transform(const cBakeTransform& t) {
    for (Vec3f& p : positions)
        p = t.point(p);
    for (Vec3f& n : normals)
        n = t.normal(n);
    if (t.determinant() < 0)
        for (cTriangle& tri : triangles)
            std::swap(tri[1], tri[2]);
    return *this;
}

cBakeMesh& cBakeMesh::translate(const Vec3f& offset) {
    return transform(cBakeTransform::translation(offset));
}

cBakeMesh& cBakeMesh::rotate(const Vec3f& axis, float degrees) {
    return transform(cBakeTransform::rotation(axis, degrees));
}

cBakeMesh& cBakeMesh::scale(const Vec3f& factors) {
    return transform(cBakeTransform::scaling(factors));
}

cBakeMesh& cBakeMesh::scale_texcoords(float su, float sv) {
    for (cTexCoord& uv : texcoords)
        uv = {uv.u * su, uv.v * sv};
    return *this;
}

Vec3f cBakeMesh::face_normal(size_t i) const {
    const cTriangle& t = triangles[i];
    const Vec3f& a = positions[t[0]];
    return (positions[t[1]] - a).cross(positions[t[2]] - a).normalized();
}

cBakeMesh cBakeMesh::flat_shaded() const {
    cBakeMesh flat;
    flat.group_starts = group_starts;
    flat.materials = materials;
    flat.per_group = per_group;
    for (size_t i = 0; i < triangles.size(); ++i) {
        const Vec3f n = face_normal(i);
        cTriangle corners{};
        for (int k = 0; k < 3; ++k) {
            const uint32_t v = triangles[i][k];
            corners[k] = flat.add_vertex(positions[v]);
            flat.normals.push_back(n);
            if (has_texcoords())
                flat.texcoords.push_back(texcoords[v]);
        }
        flat.triangles.push_back(corners);
    }
    return flat;
}
