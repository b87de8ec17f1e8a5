// bake <data dir>: runs every module of the content pipeline in a fixed
// order. Each module writes its files under the data directory and prints a
// line per file; any failure ends the run with "## ERROR: ..." and exit 1.
#include "BakeModule.h"
#include "BakeMusic.h"
#include "cBakeCredits.h"
#include "cBakeCreditsLight.h"
#include "cBakeFont.h"
#include "cBakeIntroBack.h"
#include "cBakeIntroLogos.h"
#include "cBakeLoader.h"
#include "cBakeLoaderArt.h"
#include "cBakeLogo.h"
#include "cBakeScrub.h"
#include "cBakeSprutte.h"
#include "cBakeSprutteArt.h"
#include "cBakeSun.h"
#include "cBakeSunArt.h"
#include "cBakeSunTitle.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

namespace {

// The pipeline, in the order it runs. New content adds one module here.
std::vector<std::unique_ptr<iBakeModule>> modules() {
    std::vector<std::unique_ptr<iBakeModule>> list;
    list.push_back(std::make_unique<cBakeMusic>());
    list.push_back(std::make_unique<cBakeFont>());
    list.push_back(std::make_unique<cBakeLogo>());
    list.push_back(std::make_unique<cBakeLoader>());
    list.push_back(std::make_unique<cBakeLoaderArt>());
    list.push_back(std::make_unique<cBakeIntroBack>());
    list.push_back(std::make_unique<cBakeIntroLogos>());
    list.push_back(std::make_unique<cBakeSprutte>());
    list.push_back(std::make_unique<cBakeSprutteArt>());
    list.push_back(std::make_unique<cBakeSun>());
    list.push_back(std::make_unique<cBakeSunArt>());
    list.push_back(std::make_unique<cBakeSunTitle>());
    list.push_back(std::make_unique<cBakeScrub>());
    list.push_back(std::make_unique<cBakeCredits>());
    list.push_back(std::make_unique<cBakeCreditsLight>());
    return list;
}

bool run(iBakeModule& module, const std::string& data_dir) {
    try {
        module.bake(data_dir);
        return true;
    } catch (const std::exception& e) {
        std::cerr << "## ERROR: bake module '" << module.name() << "' failed: " << e.what()
                  << std::endl;
        return false;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "## ERROR: usage: bake <data dir>" << std::endl;
        return 2;
    }
    const std::string data_dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(data_dir, ec);
    if (ec) {
        std::cerr << "## ERROR: cannot create " << data_dir << ": " << ec.message() << std::endl;
        return 1;
    }
    for (const auto& module : modules())
        if (!run(*module, data_dir))
            return 1;
    return 0;
}
