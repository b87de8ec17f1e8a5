#include "cBakeCreditsLight.h"

#include "BakeFile.h"
#include "cBakeCredits.h"
#include "cBakeImage.h"
#include "cCreditsRoom.h"
#include "cLightmapBaker.h"
#include "cRoomSurfaces.h"

#include <cstdio>
#include <iostream>

void cBakeCreditsLight::bake_room(const std::string& data_dir, bool busted, cBakeStats& stats) {
    const std::vector<cRoomPiece>& pieces = cCreditsRoom::laid_out(busted);
    std::vector<cLightmapBaker::cPiece> inputs;
    for (size_t i = 0; i < pieces.size(); ++i) {
        // The lamps' maps are shared by both rooms and baked in the intact one.
        const bool wanted = !busted || pieces[i].map_name.rfind("busted_", 0) == 0;
        // The pieces and the surfaces come in the same order.
        inputs.push_back({&pieces[i].mesh, pieces[i].map_size, int(i), wanted});
    }
    cLightmapBaker baker(inputs, cRoomSurfaces::surfaces(), cRoomSurfaces::rig());
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
    cBakeStats stats;
    bake_room(data_dir, false, stats);
    bake_room(data_dir, true, stats);
    char line[200];
    std::snprintf(line, sizeof line,
                  "# bake: credits light maps: %.1f s (%.1f s of processor time), %.1f M rays, "
                  "%.2f M rays/s",
                  stats.seconds, stats.cpu_seconds, double(stats.rays) / 1e6,
                  double(stats.rays) / 1e6 / std::max(stats.seconds, 1e-9));
    std::cout << line << std::endl;
}
