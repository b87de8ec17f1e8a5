#include "cBakeCreditsLight.h"

#include "BakeFile.h"
#include "cBakeCredits.h"
#include "cBakeImage.h"
#include "cBzObjWriter.h"
#include "cCreditsRoom.h"
#include "cLightmapBaker.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

std::vector<std::string> map_files(bool busted) {
    std::vector<std::string> files;
    for (const cRoomPiece& piece : cCreditsRoom::laid_out(busted))
        for (const char* state : {"_off.jpg", "_on.jpg"})
            files.push_back(std::string(cBakeCredits::kFolder) + piece.map_name + state);
    return files;
}

std::string key_text() {
    char text[32];
    std::snprintf(text, sizeof text, "%016llx",
                  static_cast<unsigned long long>(cBakeCreditsLight::key()));
    return text;
}

} // namespace

uint64_t cBakeCreditsLight::key() {
    uint64_t h = 1469598103934665603ull; // FNV-1a
    auto add = [&](uint8_t byte) { h = (h ^ byte) * 1099511628211ull; };
    for (uint8_t b : std::to_string(kLightingVersion))
        add(b);
    for (bool busted : {false, true})
        for (const cRoomPiece& piece : cCreditsRoom::laid_out(busted)) {
            for (uint8_t b : cBzObjWriter::block(piece.mesh))
                add(b);
            for (char c : piece.map_name)
                add(uint8_t(c));
        }
    return h;
}

bool cBakeCreditsLight::up_to_date(const std::string& data_dir) {
    std::ifstream in(std::filesystem::path(data_dir) / kKeyFile);
    std::string stored;
    if (!(in >> stored) || stored != key_text())
        return false;
    for (bool busted : {false, true})
        for (const std::string& file : map_files(busted))
            if (!std::filesystem::exists(std::filesystem::path(data_dir) / file))
                return false;
    return true;
}

void cBakeCreditsLight::bake_room(const std::string& data_dir, bool busted, cBakeStats& stats) {
    const std::vector<cRoomPiece>& pieces = cCreditsRoom::laid_out(busted);
    std::vector<cLightmapBaker::cPiece> inputs;
    for (size_t i = 0; i < pieces.size(); ++i) {
        // The lamps' maps are shared by both rooms and baked in the intact one.
        const bool wanted = !busted || pieces[i].map_name.rfind("busted_", 0) == 0;
        inputs.push_back({&pieces[i].mesh, pieces[i].map_size, int(i), wanted});
    }
    cLightmapBaker baker(inputs, cCreditsRoom::lamps());
    const std::vector<cLightmapPair> maps = baker.bake(stats);
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (!inputs[i].wanted)
            continue;
        const std::string stem = std::string(cBakeCredits::kFolder) + pieces[i].map_name;
        const cBakeFile off(data_dir, stem + "_off.jpg");
        cBakeImage::save_jpeg(off.path(), maps[i].size, maps[i].size, maps[i].off, 94);
        off.report();
        const cBakeFile on(data_dir, stem + "_on.jpg");
        cBakeImage::save_jpeg(on.path(), maps[i].size, maps[i].size, maps[i].on, 94);
        on.report();
    }
}

void cBakeCreditsLight::bake(const std::string& data_dir) {
    if (up_to_date(data_dir)) {
        std::cout << "# bake: credits light maps up to date (key " << key_text() << ")"
                  << std::endl;
        return;
    }
    cBakeStats stats;
    bake_room(data_dir, false, stats);
    bake_room(data_dir, true, stats);
    std::ofstream(std::filesystem::path(data_dir) / kKeyFile) << key_text() << "\n";
    char line[200];
    std::snprintf(line, sizeof line,
                  "# bake: credits light maps: %.1f s (%.1f s of processor time), %.1f M rays, "
                  "%.2f M rays/s",
                  stats.seconds, stats.cpu_seconds, double(stats.rays) / 1e6,
                  double(stats.rays) / 1e6 / std::max(stats.seconds, 1e-9));
    std::cout << line << std::endl;
}
