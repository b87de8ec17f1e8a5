// Where the start-up question's answer comes from: what standard input is,
// whether a line arrives in time, and the order of the sources behind it.
#include "platform/AnswerSource.h"
#include "platform/MessageBox.h"
#include "support/TestAudio.h"

#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using tSources = std::vector<eAnswerSource>;
constexpr auto kLine = eAnswerSource::input_line;
constexpr auto kDialog = eAnswerSource::dialog;
constexpr auto kPrompt = eAnswerSource::terminal_prompt;
constexpr auto kYes = eAnswerSource::default_answer;

struct Pipe {
    Pipe() { EXPECT_EQ(pipe(fd), 0); }
    ~Pipe() {
        close(fd[0]);
        close_writer();
    }
    void close_writer() {
        if (fd[1] >= 0)
            close(fd[1]);
        fd[1] = -1;
    }
    void write_text(const std::string& text) {
        ASSERT_EQ(write(fd[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    int fd[2];
};

} // namespace

TEST(AnswerSourceTest, OnlyAPipeOrFileIsAskedAndTheDialogComesBeforeTheTerminal) {
    const struct {
        eInputKind input;
        bool display;
        tSources sources;
    } cases[] = {
        {eInputKind::pipe_or_file, true, {kLine, kDialog, kYes}},
        {eInputKind::pipe_or_file, false, {kLine, kYes}},
        {eInputKind::other, true, {kDialog, kYes}}, // a desktop launch: /dev/null
        {eInputKind::other, false, {kYes}},
        {eInputKind::terminal, true, {kDialog, kPrompt, kYes}},
        {eInputKind::terminal, false, {kPrompt, kYes}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(answer_sources(c.input, c.display), c.sources)
            << static_cast<int>(c.input) << " " << c.display;
}

// Pipes and /dev/null are told apart in the demo runs of the end-to-end tests.
TEST(AnswerSourceTest, TellsFilesFromClosedInputAndTerminals) {
    TempDir dir;
    write_bytes(dir.path("answer"), "n\n");
    const int file = open(dir.path("answer").c_str(), O_RDONLY);
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    EXPECT_EQ(input_kind(file), eInputKind::pipe_or_file);
    EXPECT_EQ(input_kind(-1), eInputKind::other); // closed
    EXPECT_TRUE(terminal < 0 || input_kind(terminal) == eInputKind::terminal);
    close(file);
    close(terminal);
}

TEST(AnswerSourceTest, ALineMustArriveInTimeButMayLackItsEnd) {
    std::string line;
    {
        Pipe p;
        p.write_text(" N\nmore");
        EXPECT_TRUE(read_line_within(p.fd[0], 100, &line));
        EXPECT_EQ(answer_from_line(line), eAnswer::no);
    }
    {
        Pipe p;
        p.write_text("c");
        p.close_writer();
        EXPECT_TRUE(read_line_within(p.fd[0], 100, &line));
        EXPECT_EQ(answer_from_line(line), eAnswer::cancel);
    }
    {
        Pipe p; // a tool that holds the input open and says nothing
        p.write_text("y");
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(read_line_within(p.fd[0], 200, &line));
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_GE(waited, std::chrono::milliseconds(200));
        EXPECT_LT(waited, std::chrono::milliseconds(900));
    }
    Pipe ended; // an input that ends empty does not wait out the time
    ended.close_writer();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(read_line_within(ended.fd[0], 5000, &line));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(answer_from_line("\n"), eAnswer::yes);
    EXPECT_EQ(answer_from_line("maybe"), eAnswer::yes);
}
