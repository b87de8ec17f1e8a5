#include "cBakeScrub.h"

#include "BakeFile.h"
#include "cBakeImage.h"
#include "cBzObjWriter.h"
#include "cGreetLettering.h"
#include "cScrubPictures.h"
#include "cTextMask.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* kFace = "DejaVuSans-Bold.ttf";

void write_mesh(const std::string& data_dir, const std::string& file, const cBakeMesh& mesh) {
    cBakeFile out(data_dir, std::string(cBakeScrub::kDir) + file);
    cBzObjWriter::write(mesh, out.path());
    out.report();
}

void write_png(const std::string& data_dir, const std::string& file, int w, int h, int channels,
               const std::vector<uint8_t>& pixels) {
    cBakeFile out(data_dir, std::string(cBakeScrub::kDir) + file);
    cBakeImage::save_png(out.path(), w, h, channels, pixels);
    out.report();
}

void write_jpeg(const std::string& data_dir, const std::string& file,
                const std::vector<uint8_t>& rgb) {
    cBakeFile out(data_dir, std::string(cBakeScrub::kDir) + file);
    cBakeImage::save_jpeg(out.path(), cScrubPictures::kScreenWidth, cScrubPictures::kScreenHeight,
                          rgb, 94);
    out.report();
}

// A square facing +Z with the whole texture on it, `radius` from its middle to each side.
cBakeMesh sprite(float radius) {
    cBakeMesh m;
    const Vec3f n(0, 0, 1);
    m.add_vertex({-radius, -radius, 0}, n, {0, 0});
    m.add_vertex({radius, -radius, 0}, n, {1, 0});
    m.add_vertex({radius, radius, 0}, n, {1, 1});
    m.add_vertex({-radius, radius, 0}, n, {0, 1});
    m.add_quad(0, 1, 2, 3);
    return m;
}

} // namespace

void cBakeScrub::bake(const std::string& data_dir) {
    bake_greetings(data_dir);
    bake_glows(data_dir);
    bake_pictures(data_dir);
}

void cBakeScrub::bake_greetings(const std::string& data_dir) {
    const std::string font = std::string(cTextMask::kFontDir) + kFace;
    uint32_t seed = 1701;
    for (const char* name : kNames) {
        std::string word = name;
        std::transform(word.begin(), word.end(), word.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        const cBakeMesh solid = cGreetLettering::solid(font, word, {});
        write_mesh(data_dir, std::string("greet_") + name + "_connected.bzobj", solid);
        write_mesh(data_dir, std::string("greet_") + name + "_split.bzobj",
                   cGreetLettering::shattered(solid, seed++));
    }
}

void cBakeScrub::bake_glows(const std::string& data_dir) {
    const int s = cScrubPictures::kSpriteSize;
    write_mesh(data_dir, "greet_backblow.bzobj", sprite(14.0f));
    write_png(data_dir, "greetings_backblow.png", s, s, 4, cScrubPictures::backblow());
    write_mesh(data_dir, "greet_streaks.bzobj", sprite(17.0f));
    write_png(data_dir, "greetings_streaks.png", s, s, 4, cScrubPictures::streaks());
}

void cBakeScrub::bake_pictures(const std::string& data_dir) {
    write_png(data_dir, "mrllogo_top.png", cScrubPictures::kBarWidth, cScrubPictures::kTopBarHeight,
              4, cScrubPictures::logo_top());
    write_png(data_dir, "mrllogo_bottom.png", cScrubPictures::kBarWidth,
              cScrubPictures::kBottomBarHeight, 4, cScrubPictures::logo_bottom());
    write_jpeg(data_dir, "sun_back01.jpg", cScrubPictures::sun_background());
    write_png(data_dir, "head03.png", cScrubPictures::kScreenWidth, cScrubPictures::kScreenHeight,
              4, cScrubPictures::head());
    write_jpeg(data_dir, "vignette02.jpg", cScrubPictures::vignette());
}
