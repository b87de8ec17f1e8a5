// The credits room's light maps: an "off" and an "on" map for every piece of the intact
// and the busted room, ray traced. Baking takes seconds, so it is skipped when the maps on
// disk were baked from the same pieces by the same lighting (a key file records both).
#pragma once

#include "BakeModule.h"

#include <cstdint>

class cBakeCreditsLight : public iBakeModule {
public:
    // Raise when the lighting changes in a way the pieces' bytes do not show.
    static constexpr int kLightingVersion = 6;
    static constexpr const char* kKeyFile = "models/credits/lightmaps.key";

    std::string name() const override { return "credits light maps"; }
    void bake(const std::string& data_dir) override;

    // The key of the current pieces and lighting.
    static uint64_t key();

private:
    static bool up_to_date(const std::string& data_dir);
    static void bake_room(const std::string& data_dir, bool busted, struct cBakeStats& stats);
};
