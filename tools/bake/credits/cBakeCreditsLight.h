// The credits room's light maps: an "off" and an "on" map for every piece of the intact
// and the busted room, ray traced with the lamps, the skylight and the room's surfaces
// this module describes to the general light-map baker.
#pragma once

#include "BakeModule.h"

class cBakeCreditsLight : public iBakeModule {
public:
    std::string name() const override { return "credits light maps"; }
    void bake(const std::string& data_dir) override;

private:
    static void bake_room(const std::string& data_dir, bool busted, struct cBakeStats& stats);
};
