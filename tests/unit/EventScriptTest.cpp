#include "support/Capture.h"
#include "timeline/cEventQueue_factory.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

struct sParsed {
    std::vector<std::pair<int, int>> events; // type, time
    std::string err;
};

sParsed parse(const std::string& script) {
    std::istringstream in(script);
    cEventQueue queue;
    cCapture capture;
    cEventQueue_factory::parse(in, queue);
    sParsed result{{}, capture.err()};
    for (size_t i = 0; i < queue.size(); ++i)
        result.events.emplace_back(queue.at(i)->type, queue.at(i)->time);
    return result;
}

using Events = std::vector<std::pair<int, int>>;

} // namespace

// The instrument and scene words are the file format; the cases sit at its edges.
TEST(EventScript, KeywordsMatchExactlyAndCaseSensitively) {
    const struct {
        const char* keyword;
        int type; // -1 ignored silently, -2 unknown
    } cases[] = {
        {"beat", 16}, {"s00", 0}, {"s12", 12},  {"s100", 13}, {"#s03", -1}, {"3beat", -1},
        {"s13", -2},  {"s1", -2}, {"s010", -2}, {"Beat", -2}, {"", -2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cEventQueue_factory::keyword_type(c.keyword), c.type) << c.keyword;
}

TEST(EventScript, TimesAreFourNumbersInAnyMixOfSeparators) {
    const struct {
        const char* text;
        bool ok;
        int32_t ms;
    } cases[] = {
        {"0:1:05,250", true, 65250}, {"1,2,3,4", true, 3723004},
        {"0::1,,5,2", true, 65002}, // empty fields are skipped, as strtok does
        {"0:0:1,5x", true, 1005},    {"+0:-0:2,-1", true, 1999},
        {"0:1:05", false, 0},        {"596:31:23,647", true, 2147483647},
        {"596:31:23,648", false, 0}, {"99999999999999999999:0:0,0", false, 0},
    };
    for (const auto& c : cases) {
        int32_t ms = -1;
        EXPECT_EQ(cEventQueue_factory::parse_time(c.text, &ms), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(ms, c.ms) << c.text;
        }
    }
}

TEST(EventScript, ReadsLinesSkipsCommentsAndReportsUnknownTokens) {
    const sParsed p = parse("# timeline\n"
                            "s03 0:1:05,250 anything after is ignored\n"
                            "\n"
                            "1 0:0:0,1\n"
                            "s13 0:0:0,1\n"
                            " s01 0:0:0,1\n"
                            "\ts02 0:0:0,1\n"
                            "beat\t0:0:1,0\r\n"
                            "snare 0:0:1\n"
                            "quit 0:2:00,000"); // no final line end
    EXPECT_EQ(p.events, (Events{{16, 1000}, {3, 65250}, {32, 120000}}));
    for (const char* skipped : {"unknown token s13 ", "unknown token  s01 ", "unknown token \ts02 ",
                                "bad time \"0:0:1\""})
        EXPECT_NE(p.err.find(std::string("# warning, ") + skipped), std::string::npos) << skipped;
}

TEST(EventScript, ALineLongerThan511CharactersEndsTheReading) {
    const std::string fits = "s01 0:0:0,1 " + std::string(511 - 12, 'x');
    const std::string too_long = "s02 0:0:0,2 " + std::string(512 - 12, 'x');
    EXPECT_EQ(parse(fits + "\r\ns05 0:0:0,5\n").events, (Events{{1, 1}, {5, 5}}));
    EXPECT_EQ(parse("s04 0:0:0,4\n" + too_long + "\ns05 0:0:0,5\n").events, (Events{{4, 4}}));
}
