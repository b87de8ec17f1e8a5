// The credits sun module: the files only the credits sun loads (the sphere, the band mask
// and its camera paths), under models/creditssun. The room it plays in is the credits
// room's, baked with its light maps and gas puff by the credits modules.
#pragma once

#include "BakeModule.h"

class cBakeCreditsSun : public iBakeModule {
public:
    static constexpr const char* kFolder = "models/creditssun/";

    std::string name() const override { return "creditssun"; }
    void bake(const std::string& data_dir) override;
};
