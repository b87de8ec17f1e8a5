#include "base/cResourcePath.h"
#include "platform/PathFunctions.h"
#include "support/Capture.h"
#include "support/TestAudio.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(PathFunctions, CanonicalizeFoldsDotSegments) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"../data", "../data"}, // nothing to fold a leading ".." into
        {"../data/./models/", "../data/models/"},
        {"a/b/../c", "a/c"},
        {"a/b/../../..", ".."},
        {"/x/../../y", "/y"}, // nothing lies above the root
        {"a\\b\\..\\c", "a/c"},
        {"a//b", "a/b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(path_canonicalize(c.in), c.out) << c.in;
    EXPECT_EQ(path_strip_path("../data/models\\knob.bzobj"), "knob.bzobj");
    EXPECT_EQ(path_strip_path("knob.bzobj"), "knob.bzobj");
}

// Runs each test in a fresh tree <tmp>/root with the program's folder bin/
// as working directory, as the demo runs.
class ResourcePathTest : public ::testing::Test {
protected:
    void SetUp() override {
        old_cwd_ = fs::current_path();
        root_ = fs::path(dir_.path("root"));
        for (const char* d : {"bin", "data/models/a", "data/models/b", "data/music"})
            fs::create_directories(root_ / d);
        fs::current_path(root_ / "bin");
        for (const char* d : {"../data/models/a", "../data/models/b/", "../data/music"})
            paths_.push_searchpath(d);
    }
    void TearDown() override { fs::current_path(old_cwd_); }
    void touch(const std::string& relative) { std::ofstream(root_ / relative) << "x"; }

    TempDir dir_;
    fs::path old_cwd_;
    fs::path root_;
    cResourcePath paths_;
};

TEST_F(ResourcePathTest, FindsTheFileNamePartInTheFirstDirectoryThatHoldsIt) {
    paths_.push_searchpath("../data/./music/../models");
    EXPECT_EQ(paths_.searchpaths(),
              (std::vector<std::string>{"../data/models/a/", "../data/models/b/", "../data/music/",
                                        "../data/models/"}));
    touch("data/models/b/knob.bzobj");
    EXPECT_EQ(paths_.get_fullpath("knob.bzobj"), "../data/models/b/knob.bzobj");
    touch("data/models/a/knob.bzobj");
    EXPECT_EQ(paths_.get_fullpath("no/such/dir/knob.bzobj"), "../data/models/a/knob.bzobj");
    EXPECT_EQ(paths_.get_fullpath("missing.bzobj"), "");
    EXPECT_EQ(paths_.get_fullpath("../data/models/"), ""); // a folder is not a data file
    EXPECT_EQ(last_error(), 0);
}

TEST_F(ResourcePathTest, ANameOpenableFromTheWorkingDirectoryWinsAndIsMadeAbsolute) {
    touch("data/models/a/knob.bzobj");
    touch("bin/knob.bzobj");
    cCapture capture;
    EXPECT_EQ(paths_.get_fullpath("knob.bzobj"), (root_ / "bin/knob.bzobj").string());
    EXPECT_EQ(paths_.get_fullpath("./../data/music/../models/a/knob.bzobj"),
              (root_ / "data/models/a/knob.bzobj").string());
    EXPECT_EQ(capture.err(), "");
}

TEST_F(ResourcePathTest, APathTooLongIsReportedAndKept) {
    cCapture capture;
    const std::string longer(300, 'x');
    paths_.push_searchpath(longer);
    EXPECT_NE(capture.err().find("fatal - oops in cResourcePath::push_searchpath"),
              std::string::npos);
    EXPECT_EQ(paths_.searchpaths().back(), longer + "/");
}
