#include "AppSetup.h"

#include "base/Messages.h"
#include "base/cResourcePath.h"
#include "mesh_files/cMeshFiles.h"
#include "platform/PathFunctions.h"
#include "render/cRenderTargetManager.h"
#include "render/cShaderManager_CG.h"
#include "render/cTextureManager.h"
#include "render/points/cPointCloud.h"
#include "timeline/cLaptopLights.h"
#include "timeline/cSceneManager.h"

#include <IL/il.h>
#include <IL/ilu.h>
#include <IL/ilut.h>
#include <cstdlib>

namespace {
constexpr ILint kOldestImageLibrary = 167;
// The data folder as the search paths name it, from the working directory.
constexpr const char* kDataFolder = "../data";
} // namespace

void apply_widescreen_answer(eAnswer answer, cDisplaySettings& settings) {
    if (answer == eAnswer::cancel)
        std::exit(0);
    if (answer == eAnswer::yes) {
        msg_err() << "widescreen, mmm..." << std::endl;
        settings.stretch = true;
    }
}

bool data_in_working_folder() {
    return path_file_exists(kDataFolder);
}

void enter_data_folder() {
    if (data_in_working_folder())
        return;
    const std::string exe = executable_path();
    const std::string bin = exe.substr(0, exe.rfind('/') + 1);
    const std::string built = bin, installed = bin + "../share/games/mirrel/data/";
    for (const std::string& folder : {built, installed})
        if (path_file_exists(folder + kDataFolder) && change_directory(folder))
            return;
    msg_err() << "## ERROR: no data found: looked in \"" << full_path_name(built + kDataFolder)
              << "\" and \"" << full_path_name(installed) << "\"" << std::endl;
    std::exit(1);
}

void init_image_library() {
    if (ilGetInteger(IL_VERSION_NUM) < kOldestImageLibrary ||
        iluGetInteger(ILU_VERSION_NUM) < kOldestImageLibrary ||
        ilutGetInteger(ILUT_VERSION_NUM) < kOldestImageLibrary) {
        msg_err() << "ilut version different - exiting" << std::endl;
        std::exit(-1);
    }
    ilInit();
    iluInit();
    ilutInit();
    if (!ilutRenderer(ILUT_OPENGL)) {
        msg_err() << "openILUT failed to initialize a render" << std::endl;
        std::exit(-1);
    }
    ilOriginFunc(IL_ORIGIN_LOWER_LEFT);
    ilEnable(IL_ORIGIN_SET);
}

void register_search_paths() {
    cResourcePath& paths = resource_path();
    for (const char* dir :
         {"../src/shaders", "../data", "../data/models", "../data/music", "../data/textures"})
        paths.push_searchpath(dir);
}

void teardown() {
    laptop_lights().off();
    if (cSingleton<cRenderTargetManager>::exists())
        render_target_manager().set_clock(nullptr); // the clock goes with the scene manager
    cSingleton<cSceneManager>::destroy();           // closes the sound library first
    if (cSingleton<cMeshFiles>::exists())
        cSingleton<cMeshFiles>::destroy(); // after the scenes, whose meshes leave the list
    if (cSingleton<cShaderManager_CG>::exists())
        cSingleton<cShaderManager_CG>::destroy();
    if (cSingleton<cTextureManager>::exists())
        cSingleton<cTextureManager>::destroy();
    cSingleton<cPointCloud>::destroy();
    if (cSingleton<cRenderTargetManager>::exists())
        cSingleton<cRenderTargetManager>::destroy(); // prints the pool's statistics
    cSingleton<cResourcePath>::destroy();
    display_settings(); // SDL_Quit below needs the record even if nothing made it
    SDL_Quit();
    cSingleton<cDisplaySettings>::destroy();
    msg_out() << "requested exit" << std::endl;
}
