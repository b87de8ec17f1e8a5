// What the running demo (not the capture tool) does for the people working on it: every file
// it reads that a person or the bake may write while it runs is watched (programs, pictures,
// the event script, the MIDI file, the music, camera paths, meshes), and a changed one is read
// again before the next frame, once its writes have settled; a damaged one keeps what was in use.
#pragma once

#include "platform/FileWatch.h"

#include <map>
#include <string>
#include <vector>

class cLiveReload {
public:
    // Watches the files the demo has read by now.
    void start();
    // Reads again every file whose writes have settled; the timeline is rebuilt once however
    // many of its files changed.
    void apply();

private:
    enum class eKind { program_or_picture, script, midi, music, path, mesh };

    void watch(const std::string& name, eKind kind);
    void reload(const std::string& identity, const std::string& name, eKind kind);
    void reload_timeline(bool script, bool midi);

    cFileWatch watch_;
    std::map<std::string, std::pair<std::string, eKind>> files_; // identity -> name, kind
};
