// Damaged data files as a user meets them (an image swapped by hand, a
// half-copied mesh or picture): each ends with its reader's one clear line
// and its defined ending, within seconds and 256 MB more memory, and a broken
// image never reaches the image library.
#include "cBakeImage.h"
#include "mesh_files/BzObjLoader.h"
#include "render/cImageDecoder.h"
#include "support/TestAudio.h"

#include <IL/il.h>
#include <IL/ilu.h>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// The data segment the process holds now, in bytes.
rlim_t data_in_use() {
    std::ifstream status("/proc/self/status");
    for (std::string key; status >> key;) {
        rlim_t kib = 0;
        if (key == "VmData:" && status >> kib)
            return kib * 1024;
    }
    return 0;
}

// Runs `read` with 256 MB more memory than now and five seconds; a reader
// that returns ends the process with code 0.
void bounded(const std::function<void()>& read) {
    const rlim_t limit = data_in_use() + (rlim_t(256) << 20);
    const rlimit bound{limit, limit};
    setrlimit(RLIMIT_DATA, &bound);
    alarm(5);
    read();
    std::exit(0);
}

std::string cut_png(const TempDir& dir) {
    const std::string whole = dir.path("whole.png");
    cBakeImage::save_png(whole, 64, 64, 3, std::vector<uint8_t>(64 * 64 * 3, 90));
    return read_bytes(whole).substr(0, read_bytes(whole).size() / 2);
}

std::string le32(uint32_t v) {
    return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}

} // namespace

TEST(DamagedDataFiles, EndWithOneLineNotAHangOrAHugeAllocation) {
    TempDir dir;
    struct cCase {
        std::string name, bytes;
        int exit_code;    // the reader's designed exit; 0: the image is refused, the demo goes on
        std::string line; // all it prints
    };
    const cCase cases[] = {
        // A JPEG start marker, then a segment whose length runs past the end.
        {"panel_color.jpg",
         std::string("\xff\xd8\xff\xee\x00\x89\x50\x4e\x47\x0d\x00\x00\x00\x00"
                     "\x0b\x0d\x00\x09\x0b\x00",
                     20),
         0,
         "^## ERROR in cTextureManager::load: truncated image file \"[^\"]*panel_color.jpg\"\n$"},
        {"cut.png", cut_png(dir), 0,
         "^## ERROR in cTextureManager::load: truncated image file \"[^\"]*cut.png\"\n$"},
        // Nine bytes whose header claims a 4 GiB compressed block.
        {"packed.bzobj", le32(1000) + le32(0xFFFFFFFF) + "x", 255,
         "^# ERROR broken mesh file [^ ]*packed.bzobj \\(compressed data cut short\\) in "
         "bobj_load_compressed\n$"},
        // Nine bytes whose header claims 1.9 GB once inflated.
        {"raw.bzobj", le32(1900000000) + le32(1) + "x", 255,
         "^# ERROR broken mesh file [^ ]*raw.bzobj \\(bad sizes\\) in bobj_load_compressed\n$"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.path(c.name);
        write_bytes(path, c.bytes);
        const bool image = c.name.find(".bzobj") == std::string::npos;
        EXPECT_EXIT(bounded([&] {
                        if (!image)
                            bobj_inflate_file(path);
                        ilInit();
                        iluInit();
                        if (cImageDecoder::decode_file(path) != 0)
                            std::exit(1);
                    }),
                    ::testing::ExitedWithCode(c.exit_code), c.line);
    }
}
