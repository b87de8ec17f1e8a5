#include "cLiveReload.h"

#include "base/Messages.h"
#include "geometry/cCameraPaths.h"
#include "mesh_files/cMeshFiles.h"
#include "platform/PathFunctions.h"
#include "render/cShaderManager_CG.h"
#include "render/cTextureManager.h"
#include "timeline/cEventQueue_factory.h"
#include "timeline/cMidiReader.h"
#include "timeline/cSceneManager.h"

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

std::string base_name(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// The warning without its "# warning, " opening, to follow a file name and line number.
std::string reason(const std::string& warning) {
    const std::string opening = "# warning, ";
    return warning.rfind(opening, 0) == 0 ? warning.substr(opening.size()) : warning;
}

// The script read through the checks of the start, into `queue`; false (after the warnings)
// where it could not be read or a line of it was skipped.
bool read_script(cEventQueue& queue) {
    const std::string name = base_name(cSceneManager::kEventScript);
    std::ifstream in(cSceneManager::kEventScript, std::ios::binary);
    if (!in) {
        msg_err() << "# warning, \"" << name << "\" cannot be read: the timeline plays on unchanged"
                  << std::endl;
        return false;
    }
    const std::vector<cEventQueue_factory::sSkipped> skipped =
        cEventQueue_factory::parse_checked(in, queue);
    for (const cEventQueue_factory::sSkipped& line : skipped)
        msg_err() << "# warning, \"" << name << "\" line " << line.line << ": "
                  << reason(line.warning) << std::endl;
    if (!skipped.empty())
        msg_err() << "# warning, \"" << name << "\" not reloaded: the timeline plays on unchanged"
                  << std::endl;
    return skipped.empty();
}

bool read_midi(cEventQueue& queue) {
    std::string error;
    if (cMidiReader::read_checked(cSceneManager::kMidiFile, queue, &error))
        return true;
    msg_err() << "# warning, \"" << base_name(cSceneManager::kMidiFile) << "\" " << error
              << ": the timeline plays on unchanged" << std::endl;
    return false;
}

// A rewritten file's line: "# reloaded WHAT "NAME"" where something took its new contents, its
// reason where it was refused (and what was in use stays).
void report(const char* what, const std::string& name, bool refused, bool changed,
            const std::string& error) {
    if (refused)
        msg_err() << "# warning, \"" << base_name(name) << "\" " << error << ": the old " << what
                  << " stays" << std::endl;
    else if (changed)
        msg_out() << "# reloaded " << what << " \"" << base_name(name) << "\"" << std::endl;
}

} // namespace

void cLiveReload::start() {
    for (const std::string& file : shader_manager().source_files())
        watch(file, eKind::program_or_picture);
    for (const std::string& file : texture_manager().source_files())
        watch(file, eKind::program_or_picture);
    watch(cSceneManager::kEventScript, eKind::script);
    watch(cSceneManager::kMidiFile, eKind::midi);
    watch(scene_manager().sound().file(), eKind::music);
    for (const std::string& file : cCameraPaths::source_files())
        watch(file, eKind::path);
    for (const std::string& file : mesh_files().source_files())
        watch(file, eKind::mesh);
}

void cLiveReload::watch(const std::string& name, eKind kind) {
    if (watch_.watch(name))
        files_[file_identity(name)] = {name, kind};
}

void cLiveReload::apply() {
    bool script = false, midi = false;
    for (const std::string& identity : watch_.settled()) {
        const auto found = files_.find(identity);
        if (found == files_.end())
            continue;
        const auto& [name, kind] = found->second;
        script = script || kind == eKind::script;
        midi = midi || kind == eKind::midi;
        reload(identity, name, kind);
    }
    if (script || midi)
        reload_timeline(script, midi);
}

void cLiveReload::reload(const std::string& identity, const std::string& name, eKind kind) {
    std::string error;
    switch (kind) {
    case eKind::program_or_picture:
        shader_manager().reload_file(identity);
        texture_manager().reload_file(identity);
        break;
    case eKind::music:
        if (scene_manager().reopen_music())
            msg_out() << "# reloaded music \"" << base_name(name) << "\"" << std::endl;
        break;
    case eKind::path: {
        const int paths = cCameraPaths::reload_file(name, &error);
        report("path", name, !error.empty(), paths > 0, error);
        break;
    }
    case eKind::mesh: {
        size_t meshes = 0;
        const bool read = mesh_files().reload(name, &error, &meshes);
        report("mesh", name, !read, meshes > 0, error);
        break;
    }
    default: // the timeline's files: rebuilt once, after every other file
        break;
    }
}

void cLiveReload::reload_timeline(bool script, bool midi) {
    auto queue = std::make_unique<cEventQueue>();
    if (!read_script(*queue) || !read_midi(*queue))
        return;
    queue->rewind();
    scene_manager().replay_timeline(queue.release());
    if (script)
        msg_out() << "# reloaded script \"" << base_name(cSceneManager::kEventScript) << "\""
                  << std::endl;
    if (midi)
        msg_out() << "# reloaded midi \"" << base_name(cSceneManager::kMidiFile) << "\""
                  << std::endl;
}
