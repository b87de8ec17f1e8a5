// The render farm on this machine's two job slots, over two seconds of the real demo in four
// pieces: what it joins is frame for frame and sample for sample what one capture run makes,
// a run after an interruption renders only the piece that was cut short, and a piece another
// checkout rendered is refused at the join.
#include "support/ChildProcess.h"
#include "support/TestAudio.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = fs::path(DEMO_BINARY).parent_path().parent_path();
const std::string kSpan = "--size 320x200 --fps 10 --from 60000 --to 62000";

class RenderFarmTest : public ::testing::Test {
protected:
    // Runs a command line through the shell in the project's root; its exit code.
    int shell(const std::string& line, std::string* output = nullptr) {
        cChildProcess run("/bin/sh", kRoot.string(), "", {}, eChildInput::dev_null,
                          {"-c", line + " 2>&1"});
        const int code = run.wait_exit(500);
        if (output)
            *output = run.out();
        return code;
    }
    int farm(std::string* output) {
        return shell("scripts/render-farm.sh -S 2/: " + kSpan + " --piece 500 --work " +
                         dir_.path("work") + " --master " + dir_.path("master.mkv") + " " +
                         dir_.path("farm.mp4"),
                     output);
    }
    // The SHA-256 of each decoded frame or audio packet of a stream of a file, one a line.
    std::string hashes(const std::string& file, const std::string& stream, bool rgb = false) {
        std::string out;
        EXPECT_EQ(shell("ffmpeg -v error -i " + file + " -map 0:" + stream +
                            (rgb ? " -pix_fmt rgb24" : "") +
                            " -f framehash -hash sha256 - | grep -v '^#' | sed 's/.*, //'",
                        &out),
                  0);
        return out;
    }
    std::string piece(int k) const { return dir_.path("work/piece_00" + std::to_string(k)); }

    TempDir dir_;
};

} // namespace

TEST_F(RenderFarmTest, FourPiecesJoinToTheFramesAndMusicOfOneRun) {
    std::string log;
    ASSERT_EQ(farm(&log), 0) << log;
    EXPECT_NE(log.find("4 pieces of 60000 to 62000 ms"), std::string::npos) << log;
    ASSERT_EQ(shell("cd bin && xvfb-run -a ./capture " + kSpan + " --piece " +
                    dir_.path("one.mkv") + " --video " + dir_.path("one.mp4")),
              0);
    const std::string one = hashes(dir_.path("one.mkv"), "v", true);
    EXPECT_EQ(std::count(one.begin(), one.end(), '\n'), 20);
    EXPECT_EQ(hashes(dir_.path("master.mkv"), "v", true), one) << "the lossless master";
    EXPECT_EQ(hashes(dir_.path("farm.mp4"), "v"), hashes(dir_.path("one.mp4"), "v"));
    EXPECT_EQ(hashes(dir_.path("farm.mp4"), "a"), hashes(dir_.path("one.mp4"), "a"))
        << "the music lies where one run puts it";
}

TEST_F(RenderFarmTest, ARunAgainRendersWhatWasCutShortAndRefusesAForeignPiece) {
    std::string log;
    ASSERT_EQ(farm(&log), 0) << log;
    // Piece 2 cut short: its video half written, no record (the record comes last).
    fs::remove(piece(2) + ".mkv.record");
    fs::resize_file(piece(2) + ".mkv", fs::file_size(piece(2) + ".mkv") / 2);
    const std::string kept = read_bytes(piece(1) + ".mkv");
    const auto kept_time = fs::last_write_time(piece(1) + ".mkv");
    ASSERT_EQ(farm(&log), 0) << log;
    EXPECT_NE(log.find("1 to render"), std::string::npos) << log;
    EXPECT_NE(log.find("piece_002 (61000 to 61500 ms) rendered"), std::string::npos) << log;
    EXPECT_EQ(read_bytes(piece(1) + ".mkv"), kept);
    EXPECT_EQ(fs::last_write_time(piece(1) + ".mkv"), kept_time) << "a finished piece is kept";

    const std::string record = read_bytes(piece(3) + ".mkv.record");
    const size_t at = record.find("\ncommit ") + 8;
    write_bytes(piece(3) + ".mkv.record",
                record.substr(0, at) + "0123abcd" + record.substr(record.find('\n', at)));
    EXPECT_EQ(farm(&log), 1);
    EXPECT_NE(log.find("## ERROR: render-farm: piece_003 from "), std::string::npos) << log;
    EXPECT_NE(log.find("was rendered at commit 0123abcd, not "), std::string::npos) << log;
}
