// The content pipeline's record of its outputs and its rebuild rule: two bakes from
// nothing write the same bytes (light maps and music included) and manifests that list
// exactly the files on disk; the build's data folder, baked step by step as the code
// changed, equals them; a module bakes again only when its code or one of its files changed.
#include "cBakeManifest.h"
#include "cSha256.h"
#include "support/TestAudio.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const fs::path kDataDir = fs::path(DEMO_BINARY).parent_path().parent_path() / "data";

std::string read_text(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs `bake <dir> [--inputs <list>]`; returns its exit code and keeps its output.
int bake(const std::string& dir, const std::string& inputs, std::string& output) {
    const std::string log = dir + ".log";
    std::string command = std::string(BAKE_BINARY) + " " + dir;
    if (!inputs.empty())
        command += " --inputs " + inputs;
    const int status = std::system((command + " > " + log + " 2>&1").c_str());
    output = read_text(log);
    return WEXITSTATUS(status);
}

// "N of M modules baked" from a bake's output, or -1.
int baked_count(const std::string& output) {
    std::smatch match;
    if (!std::regex_search(output, match, std::regex("# bake: (\\d+) of \\d+ modules baked")))
        return -1;
    return std::stoi(match[1]);
}

// Every file under `dir` but the manifest, relative, "/" between names.
std::set<std::string> files_under(const fs::path& dir) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file() && entry.path().filename() != cBakeManifest::kFile)
            files.insert(fs::relative(entry.path(), dir).generic_string());
    return files;
}

// The manifest's files, checked against the disk: their sizes and digests, and in a folder
// only the bake wrote, the same set of files.
std::map<std::string, std::string> checked_digests(const fs::path& dir, bool only_baked) {
    std::map<std::string, std::string> digests;
    const cBakeManifest manifest = cBakeManifest::read(dir.string());
    for (const sBakeRecord& record : manifest.records())
        for (const sBakeOutput& o : record.outputs) {
            EXPECT_EQ(o.size, fs::file_size(dir / o.path)) << o.path;
            EXPECT_EQ(o.sha256, cSha256::of_file((dir / o.path).string())) << o.path;
            digests[o.path] = o.sha256;
        }
    std::set<std::string> listed;
    for (const auto& [path, digest] : digests)
        listed.insert(path);
    if (only_baked) {
        EXPECT_EQ(listed, files_under(dir)) << "the manifest of " << dir << " misses files";
    }
    return digests;
}

} // namespace

TEST(BakeManifest, DigestsAreSha256) {
    EXPECT_EQ(cSha256::of_text(""),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(cSha256::of_text("abc"),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // 56 bytes: the length no longer fits the first block.
    EXPECT_EQ(cSha256::of_text("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

TEST(BakeManifest, TwoBakesWriteTheSameBytesAsTheBuild) {
    TempDir temp;
    const std::string first = temp.path("first"), second = temp.path("second");
    const std::string both = std::string("(") + BAKE_BINARY + " " + first + " > " + first +
                             ".log 2>&1 & " + BAKE_BINARY + " " + second + " > " + second +
                             ".log 2>&1; r=$?; wait $! || r=1; exit $r)";
    ASSERT_EQ(WEXITSTATUS(std::system(both.c_str())), 0)
        << read_text(first + ".log") << read_text(second + ".log");
    const auto a = checked_digests(first, true), b = checked_digests(second, true);
    EXPECT_GT(a.size(), 100u);
    EXPECT_EQ(a, b) << "two bakes from nothing differ";
    EXPECT_EQ(a, checked_digests(kDataDir, false))
        << "the build's data folder is not what a bake "
           "from nothing writes: a module was not rebaked";
}

// A fake input list of the build's folders stands in for its libraries: changing one "library"
// rebakes its folder's modules alone; a deleted file rebakes the module that wrote it.
TEST(BakeManifest, RebakesOnlyWhatChanged) {
    TempDir temp;
    const std::string data = temp.path("data"), list = temp.path("inputs.txt");
    std::ifstream build_list(BAKE_INPUTS);
    std::ofstream lines(list);
    for (std::string line; std::getline(build_list, line);) {
        const std::string folder = line.substr(0, line.find(' '));
        lines << folder << " " << temp.path(folder) << "\n";
        std::ofstream(temp.path(folder)) << "one";
    }
    lines.close();
    std::string output;
    ASSERT_EQ(bake(data, list, output), 0) << output;
    const int all = baked_count(output);
    EXPECT_GE(all, 15) << output;
    ASSERT_EQ(bake(data, list, output), 0) << output;
    EXPECT_EQ(baked_count(output), 0) << output;
    std::ofstream(temp.path("sprutte")) << "two";
    ASSERT_EQ(bake(data, list, output), 0) << output;
    EXPECT_EQ(baked_count(output), 2) << output; // the sprutte models and pictures
    fs::remove(fs::path(data) / "textures/mrllogo_full2.jpg");
    ASSERT_EQ(bake(data, list, output), 0) << output;
    EXPECT_EQ(baked_count(output), 1) << output;
    EXPECT_TRUE(fs::exists(fs::path(data) / "textures/mrllogo_full2.jpg"));
}

TEST(BakeManifest, UnreadableManifestBakesEverythingAgain) {
    TempDir temp;
    const std::string dir = temp.path("");
    std::ofstream(fs::path(dir) / cBakeManifest::kFile) << "module k logo\nnot a size line\n";
    testing::internal::CaptureStdout();
    const cBakeManifest manifest = cBakeManifest::read(dir);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("# warning: bake_manifest.txt line 2"),
              std::string::npos);
    EXPECT_TRUE(manifest.records().empty());
}
