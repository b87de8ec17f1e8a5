// The demo's command line: what each option sets, and the one line a bad one gets.
#include "frame/cCommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

bool parse(cCommandLine& line, std::vector<const char*> args) {
    args.insert(args.begin(), "mirrel");
    return line.parse(static_cast<int>(args.size()), args.data());
}

} // namespace

TEST(CommandLine, OptionsSetWhatTheySayAndNothingElse) {
    cCommandLine none;
    ASSERT_TRUE(parse(none, {}));
    EXPECT_FALSE(none.window || none.loop || none.help || none.version || none.wide);
    EXPECT_TRUE(none.vsync);

    cCommandLine all;
    ASSERT_TRUE(parse(all, {"--window=1280x800", "--no-wide", "--loop", "--no-vsync"}));
    EXPECT_TRUE(all.window);
    EXPECT_EQ(all.window_width, 1280u);
    EXPECT_EQ(all.window_height, 800u);
    EXPECT_EQ(all.wide, false);
    EXPECT_TRUE(all.loop);
    EXPECT_FALSE(all.vsync);

    cCommandLine last_wins;
    ASSERT_TRUE(parse(last_wins, {"--no-wide", "--wide", "--window"}));
    EXPECT_EQ(last_wins.wide, true);
    EXPECT_EQ(last_wins.window_width, 1024u) << "a plain window has the picture's shape";
    EXPECT_EQ(last_wins.window_height, 640u);
}

TEST(CommandLine, ABadOptionIsNamedWithWhatIsAllowed) {
    for (const char* bad : {"--windowed", "-x", "wide", "--window=", "--window=800", "--window=0x0",
                            "--window=800x600x2", "--window=99999x600", "--window=-800x600"}) {
        cCommandLine line;
        EXPECT_FALSE(parse(line, {"--loop", bad})) << bad;
        EXPECT_NE(line.error().find(bad), std::string::npos) << line.error();
        EXPECT_EQ(line.error().find('\n'), std::string::npos) << "one line";
    }
}
