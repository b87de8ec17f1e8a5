// Checks the mesh side of `bake`: files that the demo's own loader reads back
// unchanged, index columns that are really delta-coded, closed solids with
// outward normals and front faces, and meshes the loader would reject refused.
#include "cBakeMesh.h"
#include "cBakeShapes.h"
#include "cBakeSweep.h"
#include "cBzObjWriter.h"
#include "mesh_files/BzObjLoader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>
#include <tuple>
#include <zlib.h>

namespace {

// What the demo's loader makes of the file: the container's sizes, zlib's
// uncompress into exactly raw_size bytes, then the loader's own decoder.
cMeshObj_data load(const cBakeMesh& mesh) {
    const std::vector<uint8_t> file = cBzObjWriter::file_bytes(mesh);
    uint32_t sizes[2];
    std::memcpy(sizes, file.data(), sizeof sizes);
    EXPECT_EQ(sizes[1] + 8u, file.size());
    std::vector<uint8_t> block(sizes[0]);
    uLongf length = block.size();
    EXPECT_EQ(uncompress(block.data(), &length, file.data() + 8, sizes[1]), Z_OK);
    EXPECT_EQ(length, block.size());
    cMeshObj_data data;
    std::string error;
    EXPECT_TRUE(bobj_decode(data, block, &error)) << error;
    return data;
}

cMaterial material(const std::string& name, const std::string& diffuse_texture) {
    cMaterial m(name);
    m.texture_names[cMaterial::kDiffuseTex] = diffuse_texture;
    m.texture_names[cMaterial::kTiledTex] = diffuse_texture.empty() ? "tile.png" : "";
    for (int i = 0; i < 4; ++i) {
        m.ambient[i] = 0.1f * i, m.diffuse[i] = 0.2f * i + 0.01f, m.specular[i] = 0.3f;
    }
    m.shininess = 42.5f, m.illumination = 2, m.alpha = 0.75f, m.extra = -3.0f;
    return m;
}

// Every field the file carries, in the file's order; the emission is not stored.
std::string fields(const cMaterial& m) {
    std::ostringstream out;
    out << std::hexfloat << m.name;
    for (const std::string& t : m.texture_names)
        out << "|" << t;
    for (const float* colour : {m.ambient, m.diffuse, m.specular})
        for (int i = 0; i < 4; ++i)
            out << "|" << colour[i];
    out << "|" << m.shininess << "|" << m.illumination << "|" << m.alpha << "|" << m.extra;
    return out.str();
}

void expect_same_mesh(const cMeshObj_data& got, const cBakeMesh& want) {
    std::vector<float> positions, normals, texcoords;
    for (size_t v = 0; v < want.vertex_count(); ++v)
        for (int k = 0; k < 3; ++k) {
            positions.push_back(want.positions[v][k]);
            if (want.has_normals())
                normals.push_back(want.normals[v][k]);
        }
    for (const cTexCoord& uv : want.texcoords)
        texcoords.insert(texcoords.end(), {uv.u, uv.v});
    std::vector<uint32_t> indices;
    for (const auto& t : want.triangles)
        indices.insert(indices.end(), t.begin(), t.end());
    EXPECT_TRUE(got.positions == positions && got.normals == normals && got.texcoords == texcoords);
    EXPECT_EQ(got.indices, indices);
    ASSERT_EQ(got.materials.size(), want.materials.size());
    for (size_t m = 0; m < want.materials.size(); ++m)
        EXPECT_EQ(fields(got.materials[m]), fields(want.materials[m]));
}

struct cShapeCase {
    const char* name;
    std::function<cBakeMesh()> make;
    double min_volume, max_volume; // the true solid's volume brackets the polygonal one
};

// Area 1.1756, perimeter 7.161.
const cBakeOutline kStar = [] {
    std::vector<cPoint2> p;
    for (int i = 0; i < 10; ++i) {
        const double a = M_PI * i / 5, r = i % 2 ? 0.4 : 1.0;
        p.push_back({float(r * std::cos(a)), float(r * std::sin(a))});
    }
    return cBakeOutline(p, true);
}();

// An L of area 3, given clockwise: the extrusion must turn it around.
const cBakeOutline kClockwiseL({{0, 0}, {0, 2}, {1, 2}, {1, 1}, {2, 1}, {2, 0}}, true);
// Radius 1 from y = -1 to 1, closed top and bottom by the axis.
const cBakeOutline kCanProfile({{0, -1}, {1, -1}, {1, 1}, {0, 1}}, false);

const std::vector<cShapeCase>& closed_shapes() {
    static const std::vector<cShapeCase> cases = {
        {"box",
         [] {
             return cBakeShapes::box({1, 2, 3});
         },
         5.999, 6.001},
        {"cylinder", [] { return cBakeShapes::cylinder(1, 2, 48); }, 0.99 * 2 * M_PI, 2 * M_PI},
        {"torus", [] { return cBakeShapes::torus(2, 0.5, 48, 24); }, 0.97 * M_PI * M_PI,
         M_PI * M_PI},
        {"sphere", [] { return cBakeShapes::sphere(1, 48, 24); }, 0.97 * 4 * M_PI / 3,
         4 * M_PI / 3},
        {"flat sphere", [] { return cBakeShapes::sphere(1, 12, 6).flat_shaded(); },
         0.7 * 4 * M_PI / 3, 4 * M_PI / 3},
        {"bevelled star", [] { return cBakeSweep::extrude(kStar, 0.5f, 0.05f); },
         // each bevel trims at most perimeter x bevel squared
         0.5 * 1.1756 - 2 * 7.161 * 0.05 * 0.05, 0.5 * 1.1756},
        {"clockwise L", [] { return cBakeSweep::extrude(kClockwiseL, 1.0f); }, 2.999, 3.001},
        {"lathed can", [] { return cBakeSweep::lathe(kCanProfile, 48); }, 0.99 * 2 * M_PI,
         2 * M_PI},
        {"mirrored turned box",
         [] {
             return cBakeShapes::box({1, 2, 3}).scale({-1, 1, 1}).rotate({1, 1, 0}, 40);
         },
         5.999, 6.001},
    };
    return cases;
}

double signed_volume(const cBakeMesh& m) {
    double sum = 0;
    for (const auto& t : m.triangles)
        sum += m.positions[t[0]].dot(m.positions[t[1]].cross(m.positions[t[2]]));
    return sum / 6;
}

using cEdge = std::tuple<float, float, float, float, float, float>;

// Every edge, taken between positions, is walked once each way: no holes and
// no triangle wound against its neighbours.
void expect_watertight(const cBakeMesh& m) {
    std::map<cEdge, int> walks;
    for (const auto& t : m.triangles)
        for (int k = 0; k < 3; ++k) {
            const Vec3f &a = m.positions[t[k]], &b = m.positions[t[(k + 1) % 3]];
            ++walks[{a.x, a.y, a.z, b.x, b.y, b.z}];
        }
    for (const auto& [e, n] : walks) {
        const auto& [ax, ay, az, bx, by, bz] = e;
        const auto back = walks.find({bx, by, bz, ax, ay, az});
        ASSERT_TRUE(back != walks.end() && back->second == n)
            << "open or misdirected edge (" << ax << "," << ay << "," << az << ")-(" << bx << ","
            << by << "," << bz << ")";
    }
}

// Unit normals on the side the winding faces.
void expect_normals_follow_winding(const cBakeMesh& m) {
    ASSERT_EQ(m.normals.size(), m.vertex_count());
    for (const Vec3f& n : m.normals)
        ASSERT_NEAR(n.length(), 1.0f, 1e-5f);
    for (size_t i = 0; i < m.triangles.size(); ++i) {
        const Vec3f face = m.face_normal(i);
        ASSERT_NEAR(face.length(), 1.0f, 1e-4f) << "collapsed triangle " << i;
        for (uint32_t v : m.triangles[i])
            ASSERT_GT(face.dot(m.normals[v]), 0.9f) << "triangle " << i << " vertex " << v;
    }
}

} // namespace

TEST(BakeGeometryShapes, ClosedSolidsFaceOutward) {
    for (const cShapeCase& c : closed_shapes()) {
        SCOPED_TRACE(c.name);
        const cBakeMesh m = c.make();
        const double volume = signed_volume(m);
        EXPECT_GT(volume, c.min_volume);
        EXPECT_LT(volume, c.max_volume);
        expect_watertight(m);
        expect_normals_follow_winding(m);
        EXPECT_EQ(m.texcoords.size(), m.vertex_count());
        for (const cTexCoord& uv : m.texcoords)
            ASSERT_TRUE(uv.u >= 0 && uv.u <= 1 && uv.v >= 0 && uv.v <= 1);
    }
}

TEST(BakeGeometryShapes, PlaneFacesUpAndFlatShadingPutsFaceNormalsOnOwnVertices) {
    const cBakeMesh plane = cBakeShapes::plane(4, 2, 4, 2);
    EXPECT_EQ(plane.triangles.size(), 16u);
    for (size_t i = 0; i < plane.triangles.size(); ++i)
        EXPECT_GT(plane.face_normal(i).y, 0.999f);
    const cBakeMesh m = cBakeShapes::torus(2, 0.5, 8, 6).flat_shaded();
    ASSERT_EQ(m.vertex_count(), 3 * m.triangles.size());
    for (size_t i = 0; i < m.triangles.size(); ++i)
        for (uint32_t v : m.triangles[i])
            ASSERT_GT(m.face_normal(i).dot(m.normals[v]), 0.9999f);
}

// Stretching a sphere into an ellipsoid: the normals must be the ellipsoid's
// (position / axis squared), which transforming them like points gets wrong.
TEST(BakeGeometryShapes, StretchedNormalsStayPerpendicular) {
    const Vec3f axes(4, 1, 0.5f);
    const cBakeMesh m = cBakeShapes::sphere(1, 16, 8).scale(axes).translate({1, 2, 3});
    for (size_t v = 0; v < m.vertex_count(); ++v) {
        const Vec3f p = m.positions[v] - Vec3f(1, 2, 3);
        const Vec3f want = Vec3f(p.x / 16, p.y, p.z * 4).normalized();
        ASSERT_GT(m.normals[v].dot(want), 0.9999f) << "vertex " << v;
    }
}

TEST(BakeGeometryFile, EveryShapeWithTwoGroupsReadsBack) {
    std::vector<cShapeCase> shapes = closed_shapes();
    shapes.push_back({"plane", [] { return cBakeShapes::plane(2, 2, 3, 3); }, 0, 0});
    for (const cShapeCase& c : shapes) {
        SCOPED_TRACE(c.name);
        const cBakeMesh part = c.make();
        cBakeMesh mesh;
        mesh.add_group(part, material("stone", "stone.jpg"));
        mesh.add_group(cBakeMesh(part).translate({3, 0, 0}), material("", ""));
        const cMeshObj_data got = load(mesh);
        EXPECT_EQ(got.flags, 0x13);
        expect_same_mesh(got, mesh);
        const auto t = int32_t(part.triangles.size());
        EXPECT_EQ(got.group_starts, (std::vector<int32_t>{0, 3 * t, 6 * t}));
    }
}

TEST(BakeGeometryFile, MeshesTheLoaderWouldRejectAreRefused) {
    const cBakeMesh box = cBakeShapes::box({1, 1, 1});
    const std::string long_name(128, 'x');
    const std::pair<const char*, std::function<void(cBakeMesh&)>> cases[] = {
        {"no triangles", [](cBakeMesh& m) { m.triangles.clear(); }},
        {"index at the vertex count",
         [](cBakeMesh& m) { m.triangles[5][2] = uint32_t(m.vertex_count()); }},
        {"normals short", [](cBakeMesh& m) { m.normals.pop_back(); }},
        {"texture coordinates long", [](cBakeMesh& m) { m.texcoords.push_back({}); }},
        {"name of 128", [&](cBakeMesh& m) { m.materials[1].name = long_name; }},
        {"texture name of 128",
         [&](cBakeMesh& m) { m.materials[0].texture_names[cMaterial::kFourthTex] = long_name; }},
        {"fewer materials than groups", [](cBakeMesh& m) { m.materials.pop_back(); }},
        {"empty group",
         [](cBakeMesh& m) {
             m.group_starts = {0, 12, 12};
             m.materials.push_back(m.materials[0]);
         }},
        {"first group after triangle 0", [](cBakeMesh& m) { m.group_starts[0] = 1; }},
        {"group after the last triangle",
         [](cBakeMesh& m) { m.group_starts[1] = uint32_t(m.triangles.size()); }},
    };
    for (const auto& [name, spoil] : cases) {
        SCOPED_TRACE(name);
        cBakeMesh mesh;
        mesh.add_group(box, material("a", std::string(127, 't')));
        mesh.add_group(box, material(std::string(127, 'n'), ""));
        ASSERT_EQ(cBzObjWriter::check(mesh), ""); // 127 is still a valid length
        spoil(mesh);
        EXPECT_NE(cBzObjWriter::check(mesh), "");
        EXPECT_THROW(cBzObjWriter::file_bytes(mesh), std::invalid_argument);
    }
}

TEST(BakeGeometryFile, PartsWithOtherAttributesDoNotMix) {
    cBakeMesh bare, mesh;
    bare.add_vertex({0, 0, 0}), bare.add_vertex({1, 0, 0}), bare.add_vertex({0, 1, 0});
    bare.add_triangle(0, 1, 2);
    mesh.add_group(cBakeShapes::box({1, 1, 1}), material("a", ""));
    EXPECT_THROW(mesh.add_group(bare, material("b", "")), std::invalid_argument);
    EXPECT_EQ(mesh.group_count(), 1u); // a refused part leaves the mesh as it was
    EXPECT_EQ(mesh.materials.size(), 1u);
}
