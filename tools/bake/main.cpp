// bake <data dir> [--inputs <list>]: runs the modules of the content pipeline
// in a fixed order. With the build's input list, a module whose code and files
// are unchanged since the manifest was written is skipped. Any failure ends the
// run with "## ERROR: ..." and exit 1.
#include "BakeFile.h"
#include "BakeModule.h"
#include "BakeMusic.h"
#include "cBakeAttractorBack.h"
#include "cBakeAttractorLogos.h"
#include "cBakeCredits.h"
#include "cBakeCreditsLight.h"
#include "cBakeCreditsSun.h"
#include "cBakeEndLogo.h"
#include "cBakeFont.h"
#include "cBakeIcon.h"
#include "cBakeInputs.h"
#include "cBakeLoader.h"
#include "cBakeLoaderArt.h"
#include "cBakeManifest.h"
#include "cBakeScrub.h"
#include "cBakeSolarFlareArt.h"
#include "cBakeSolarFlareShapes.h"
#include "cBakeSolarFlareTitle.h"
#include "cBakeSprutte.h"
#include "cBakeSprutteArt.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

namespace {

// One step of the pipeline and the folder of tools/bake/ its code lives in: the
// folder's libraries are the step's inputs.
struct sStep {
    std::string folder;
    std::unique_ptr<iBakeModule> module;
};

// The pipeline, in the order it runs. New content adds one line here.
std::vector<sStep> steps() {
    std::vector<sStep> list;
    list.push_back({"music", std::make_unique<cBakeMusic>()});
    list.push_back({"toolkit", std::make_unique<cBakeFont>()});
    list.push_back({"end", std::make_unique<cBakeEndLogo>()});
    list.push_back({"end", std::make_unique<cBakeIcon>()});
    list.push_back({"loader", std::make_unique<cBakeLoader>()});
    list.push_back({"loader", std::make_unique<cBakeLoaderArt>()});
    list.push_back({"attractor", std::make_unique<cBakeAttractorBack>()});
    list.push_back({"attractor", std::make_unique<cBakeAttractorLogos>()});
    list.push_back({"sprutte", std::make_unique<cBakeSprutte>()});
    list.push_back({"sprutte", std::make_unique<cBakeSprutteArt>()});
    list.push_back({"solarflare", std::make_unique<cBakeSolarFlareShapes>()});
    list.push_back({"solarflare", std::make_unique<cBakeSolarFlareArt>()});
    list.push_back({"solarflare", std::make_unique<cBakeSolarFlareTitle>()});
    list.push_back({"scrub", std::make_unique<cBakeScrub>()});
    list.push_back({"credits", std::make_unique<cBakeCredits>()});
    list.push_back({"credits", std::make_unique<cBakeCreditsLight>()});
    list.push_back({"creditssun", std::make_unique<cBakeCreditsSun>()});
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

// Bakes the steps whose record in the manifest is stale and records them anew; the
// manifest is written after every step, so an interrupted bake redoes only the rest.
bool bake_stale(std::vector<sStep>& list, cBakeInputs& inputs, const std::string& data_dir) {
    const auto started = std::chrono::steady_clock::now();
    cBakeManifest manifest = cBakeManifest::read(data_dir);
    std::vector<std::string> names;
    for (const sStep& step : list)
        names.push_back(step.module->name());
    int baked = 0;
    for (sStep& step : list) {
        const std::string name = step.module->name(), key = inputs.key(step.folder);
        if (manifest.up_to_date(name, key, data_dir))
            continue;
        manifest.forget(name);
        manifest.write(data_dir);
        cBakeFile::take_reported();
        if (!run(*step.module, data_dir))
            return false;
        manifest.record(name, key, cBakeFile::take_reported(), data_dir);
        manifest.order_as(names);
        manifest.write(data_dir);
        ++baked;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("# bake: %d of %zu modules baked (%.1f s), the others up to date\n", baked,
                list.size(), seconds);
    return true;
}

bool parse_arguments(int argc, char** argv, std::string& data_dir, std::string& input_list) {
    if (argc == 2 && argv[1][0] != '-') {
        data_dir = argv[1];
        return true;
    }
    if (argc == 4 && std::string(argv[2]) == "--inputs") {
        data_dir = argv[1], input_list = argv[3];
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    std::string data_dir, input_list;
    if (!parse_arguments(argc, argv, data_dir, input_list)) {
        std::cerr << "## ERROR: usage: bake <data dir> [--inputs <list>]" << std::endl;
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(data_dir, ec);
    if (ec) {
        std::cerr << "## ERROR: cannot create " << data_dir << ": " << ec.message() << std::endl;
        return 1;
    }
    try {
        cBakeInputs inputs = input_list.empty() ? cBakeInputs() : cBakeInputs::read(input_list);
        std::vector<sStep> list = steps();
        return bake_stale(list, inputs, data_dir) ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "## ERROR: " << e.what() << std::endl;
        return 1;
    }
}
