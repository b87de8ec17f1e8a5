#include "CaptureRun.h"

#include "ChildProcess.h"

#include <IL/il.h>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

int run_capture(const TempDir& dir, const std::string& timeline,
                const std::vector<cMidiTrack>& tracks, int seconds, const std::string& options,
                std::string* errors) {
    const fs::path root = fs::path(DEMO_BINARY).parent_path().parent_path();
    make_demo_tree(dir.path(""), root.string());
    fs::create_directories(dir.path("out"));
    write_test_mp3(dir, "data/music/pulse55.mp3", seconds * kTestRate);
    write_bytes(dir.path("data/script/markers.txt"), timeline);
    const std::vector<uint8_t> midi = midi_file(1, 480, tracks);
    write_bytes(dir.path("data/music/pulse55.mid"), std::string(midi.begin(), midi.end()));
    const std::string script = dir.path("bin/run.sh");
    write_bytes(script, "#!/bin/sh\nexec " + (root / "bin/capture").string() + " " + options +
                            " --out ../out\n");
    fs::permissions(script, fs::perms::owner_exec, fs::perm_options::add);
    cChildProcess capture(script, dir.path("bin"), "");
    const int code = capture.wait_exit(600);
    if (errors)
        *errors = capture.err();
    return code;
}

sCapturedFrame captured_frame(const TempDir& dir, int ms) {
    char name[32];
    std::snprintf(name, sizeof name, "out/frame_%07d.png", ms);
    ilInit();
    ilOriginFunc(IL_ORIGIN_UPPER_LEFT);
    ilEnable(IL_ORIGIN_SET);
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    sCapturedFrame frame;
    if (ilLoadImage(dir.path(name).c_str()) && ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE)) {
        const int w = ilGetInteger(IL_IMAGE_WIDTH), h = ilGetInteger(IL_IMAGE_HEIGHT);
        const int top = (h - 640) / 2;
        const ILubyte* data = ilGetData();
        frame.width = w, frame.height = 640;
        frame.rgb.assign(data + size_t(top) * w * 3, data + size_t(top + 640) * w * 3);
    }
    ilDeleteImages(1, &image);
    return frame;
}
