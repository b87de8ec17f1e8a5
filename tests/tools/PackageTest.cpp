// The release as a viewer gets it: the .deb CPack makes from the build passes lintian without
// an error, depends on no build tool, holds the programs, data, menu entry, icon, manual page
// and copyright, and unpacked into a scratch root it plays from the root folder.
#include "support/ChildProcess.h"
#include "support/ScreenGrab.h"
#include "support/TestAudio.h"
#include "support/XDriver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

// A shell command's standard output and error, and its exit status.
std::string shell(const std::string& command, int* status) {
    std::string out;
    if (FILE* pipe = popen((command + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        *status = pclose(pipe);
    }
    return out;
}

// How far the grabbed screen is from one flat colour: the mean distance of its grey from the
// average grey.
double spread_of(const sScreenGrab& grab) {
    double sum = 0, spread = 0;
    const size_t pixels = grab.rgb.size() / 3;
    for (size_t i = 0; i < pixels; ++i)
        sum += grab.rgb[3 * i] + grab.rgb[3 * i + 1] + grab.rgb[3 * i + 2];
    const double mean = sum / double(pixels);
    for (size_t i = 0; i < pixels; ++i)
        spread += std::abs(grab.rgb[3 * i] + grab.rgb[3 * i + 1] + grab.rgb[3 * i + 2] - mean);
    return spread / double(pixels) / 3.0;
}

} // namespace

TEST(PackageTest, TheDebPassesLintianAndItsTreePlaysFromTheRootFolder) {
    TempDir dir;
    int status = 0;
    const std::string made =
        shell("cpack -G DEB --config " CPACK_CONFIG " -B " + dir.path("deb"), &status);
    ASSERT_EQ(status, 0) << made;
    const std::string deb = dir.path("deb/mirrel_1.0.0_amd64.deb");
    ASSERT_TRUE(fs::exists(deb)) << made;

    const std::string lint = shell("lintian " + deb, &status);
    EXPECT_EQ(lint.find("\nE: "), std::string::npos) << lint;
    EXPECT_NE(lint.rfind("E: ", 0), 0u) << lint;
    // Each dependency's package name: what the programs' libraries need, no build tool.
    std::istringstream depends(shell("dpkg-deb -f " + deb + " Depends", &status));
    for (std::string item; std::getline(depends >> std::ws, item, ',');) {
        const std::string name = item.substr(0, item.find_first_of(" (|\n"));
        EXPECT_FALSE(name.size() > 4 && name.compare(name.size() - 4, 4, "-dev") == 0) << name;
        for (const char* tool : {"gcc", "g++", "cmake", "clang", "make", "build-essential"})
            EXPECT_NE(name, tool);
    }
    const std::string contents = shell("dpkg-deb -c " + deb, &status);
    for (const char* file :
         {"./usr/games/mirrel", "./usr/games/mirrel-capture",
          "./usr/share/games/mirrel/data/music/pulse55.mp3",
          "./usr/share/games/mirrel/data/script/markers.txt",
          "./usr/share/games/mirrel/src/shaders/cg_xray_frag.cg",
          "./usr/share/games/mirrel/src/cg_morphDS_vert.cg",
          "./usr/share/applications/mirrel.desktop",
          "./usr/share/icons/hicolor/256x256/apps/mirrel.png", "./usr/share/man/man6/mirrel.6.gz",
          "./usr/share/doc/mirrel/copyright"})
        EXPECT_NE(contents.find(std::string(file) + "\n"), std::string::npos) << file;

    shell("dpkg-deb -x " + deb + " " + dir.path("root"), &status);
    ASSERT_EQ(status, 0);
    cChildProcess demo(dir.path("root/usr/games/mirrel"), "/", "", {}, eChildInput::dev_null,
                       {"--no-wide"});
    ASSERT_TRUE(demo.wait_for_out("# fmod starting playback...\n", 120)) << demo.err();
    std::this_thread::sleep_for(std::chrono::seconds(4)); // into the first scene
    EXPECT_GT(spread_of(grab_screen()), 5.0) << "the first scene shows nothing";
    cXDriver x;
    ASSERT_TRUE(x.find_window("mirrel OpenGL", 10));
    x.tap_key("Escape");
    EXPECT_EQ(demo.wait_exit(30), 0) << demo.err();
}
