// The file watch on a real folder: a burst of writes to a watched file is reported once, after
// the writes have settled; a save that renames a new file over the old one is seen; files
// nobody watches are not reported.
#include "platform/FileWatch.h"
#include "platform/PathFunctions.h"
#include "support/TestAudio.h"

#include <cstdio>
#include <gtest/gtest.h>

TEST(FileWatch, ABurstOfWritesIsReportedOnceAfterItSettles) {
    TempDir dir;
    const std::string program = file_identity(dir.path("levels_frag.cg"));
    const std::string picture = file_identity(dir.path("logo.png"));
    write_bytes(program, "one");
    write_bytes(picture, "one");
    write_bytes(dir.path("other.txt"), "one");
    cFileWatch watch(std::chrono::milliseconds(100));
    ASSERT_TRUE(watch.watch(program));
    ASSERT_TRUE(watch.watch(picture));
    const auto now = cFileWatch::tClock::now();
    EXPECT_TRUE(watch.settled(now).empty());

    for (int i = 0; i < 5; ++i)
        write_bytes(program, "edit " + std::to_string(i));
    write_bytes(dir.path("other.txt"), "two");
    EXPECT_TRUE(watch.settled(cFileWatch::tClock::now()).empty()) << "still being written";
    const auto later = cFileWatch::tClock::now() + std::chrono::milliseconds(200);
    EXPECT_EQ(watch.settled(later), std::vector<std::string>{program});
    EXPECT_TRUE(watch.settled(later + std::chrono::seconds(1)).empty()) << "reported once";

    write_bytes(dir.path("logo.png.tmp"), "baked again"); // a tool's save by rename
    ASSERT_EQ(std::rename(dir.path("logo.png.tmp").c_str(), picture.c_str()), 0);
    EXPECT_EQ(watch.settled(cFileWatch::tClock::now() + std::chrono::seconds(1)),
              std::vector<std::string>{picture});
}
