// The growing scrub's module: the seven greetings as morph pairs of solid and shattered
// lettering, the two glow sprites behind them with their meshes, the logo bars, the opening
// background, the head picture and the vignette, all in models/scrub.
#pragma once

#include "BakeModule.h"

class cBakeScrub : public iBakeModule {
public:
    static constexpr const char* kDir = "models/scrub/";
    static constexpr const char* kNames[7] = {"glacier", "fjord",  "ember", "dynamo",
                                              "cobalt",  "basalt", "aurora"};

    std::string name() const override { return "growing scrub"; }
    void bake(const std::string& data_dir) override;

private:
    static void bake_greetings(const std::string& data_dir);
    static void bake_glows(const std::string& data_dir);
    static void bake_pictures(const std::string& data_dir);
};
