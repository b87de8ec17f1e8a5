#include "mesh_files/BzObjLoader.h"
#include "support/BzObjBlock.h"
#include "support/TestAudio.h"

#include <gtest/gtest.h>

namespace {

using cBlock = cBzObjBlock;

const std::vector<std::string> kNoStrings(6);

// Three triangles over ten vertices with only positions.
cBlock three_triangles(uint8_t flags, int32_t materials) {
    cBlock b;
    b.header(flags, 10, 3, materials).floats(30);
    return b;
}

std::string decode(cMeshObj_data& d, const cBlock& b) {
    std::string error;
    return bobj_decode(d, b.bytes, &error) ? "" : error;
}

} // namespace

TEST(BzObjFormat, IndexColumnsAreDeltaCodedAndGroupsStartAtMarks) {
    cBlock b = three_triangles(0x10, 2);
    b.ints({5, 1, 1, 6, 1, 1, 7, 1, 1}).ints({9, 1, 0});
    // A string ends at a zero byte within its length.
    b.material(kNoStrings).material({std::string("steel\0cd", 8), "", "", "", "", "tile.jpg"});
    cMeshObj_data d;
    ASSERT_EQ(decode(d, b), "");
    EXPECT_EQ(d.indices, (std::vector<uint32_t>{5, 6, 7, 6, 7, 8, 7, 8, 9}));
    EXPECT_EQ(d.group_starts, (std::vector<int32_t>{0, 3, 9})); // mark 0 never starts a group
    EXPECT_TRUE(d.normals.empty());
    EXPECT_TRUE(d.texcoords.empty());
    ASSERT_EQ(d.materials.size(), 2u);
    EXPECT_EQ(d.materials[0].name, ""); // 70 bytes of lengths and values, no strings
    EXPECT_EQ(d.materials[1].name, "steel");
    EXPECT_EQ(d.materials[1].texture_names[cMaterial::kTiledTex], "tile.jpg");
    EXPECT_FLOAT_EQ(d.materials[1].shininess, 8.0f);
    EXPECT_EQ(d.materials[1].illumination, 2);
    EXPECT_FLOAT_EQ(d.materials[1].alpha, 0.5f);
}

TEST(BzObjFormat, GroupMarksAndOptionalArrays) {
    cBlock five;
    five.header(0x03, 3, 5, 0).floats(9).floats(9, 100).floats(6, 200);
    five.ints({0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 2, 0, 0, 0, 0}).ints({7, 0, 1, 0, 1});
    cMeshObj_data d;
    ASSERT_EQ(decode(d, five), "");
    EXPECT_EQ(d.group_starts, (std::vector<int32_t>{0, 6, 12, 15}));
    EXPECT_FLOAT_EQ(d.normals[0], 100.0f);
    EXPECT_FLOAT_EQ(d.texcoords[5], 205.0f);

    cBlock one;
    one.header(0x00, 3, 1, 0).floats(9).ints({0, 1, 2}).ints({1});
    ASSERT_EQ(decode(d, one), ""); // replaces everything the mesh held
    EXPECT_EQ(d.indices.size(), 3u);
    EXPECT_EQ(d.group_starts, (std::vector<int32_t>{0, 3}));
    EXPECT_TRUE(d.normals.empty());
    EXPECT_EQ(d.flags, 0);
}

// Each block is refused before a read past its end or past the vertex arrays.
TEST(BzObjFormat, RejectsBlocksThatBreakTheirOwnCounts) {
    const cBlock ok_triangles = cBlock().ints({0, 0, 0, 1, 0, 0, 2, 0, 0}).ints({0, 1, 0});
    auto with = [&](cBlock b, const cBlock& rest) {
        b.bytes.insert(b.bytes.end(), rest.bytes.begin(), rest.bytes.end());
        return b;
    };
    const cBlock cases[] = {
        cBlock(),
        cBlock().header(0, 3, 0, 0).floats(9),                // no triangles
        cBlock().header(0, -1, 1, 0),                         // negative vertex count
        cBlock().header(0, 0x7FFFFFFF, 1, 0).floats(9),       // huge vertex count
        cBlock().header(0x02, 10, 3, 0).floats(30),           // normals missing
        cBlock().header(0, 10, 3, 0).floats(30).ints({0, 0}), // triangles cut
        with(three_triangles(0, 0), cBlock().ints({0, 0, 10, 1, 0, 0, 2, 0, 0}).ints({0, 0, 0})),
        with(three_triangles(0, 0), cBlock().ints({0, -1, 0, 1, 0, 0, 2, 0, 0}).ints({0, 0, 0})),
        with(three_triangles(0x10, 1), ok_triangles).material(kNoStrings), // 2 groups, 1 material
        with(three_triangles(0, 1), ok_triangles).put(uint8_t(0)),         // material cut
        with(three_triangles(0, 1), ok_triangles)
            .material({std::string(128, 'x'), "", "", "", "", ""}), // a string above 127
        with(three_triangles(0, 1), ok_triangles).ints({0, 0}).put(uint16_t(0)), // values cut
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        cMeshObj_data d;
        EXPECT_NE(decode(d, cases[i]), "") << i;
    }
}

TEST(BzObjFormat, FilesThatCannotBeReadOrInflatedEndTheProgram) {
    TempDir dir;
    cBlock block = three_triangles(0, 0);
    block.ints({0, 0, 0, 1, 0, 0, 2, 0, 0}).ints({0, 0, 0});
    write_bzobj(dir.path("small.bzobj"), block, 40); // inflates to more than announced
    EXPECT_EXIT(bobj_inflate_file(dir.path("small.bzobj")), ::testing::ExitedWithCode(1),
                "# warning: zlib caused an error: -5");
    EXPECT_EXIT(bobj_inflate_file(""), ::testing::ExitedWithCode(255),
                "# ERROR opening file  in bobj_load_compressed");
    write_bzobj(dir.path("good.bzobj"), block);
    EXPECT_EQ(bobj_inflate_file(dir.path("good.bzobj")), block.bytes);
}
