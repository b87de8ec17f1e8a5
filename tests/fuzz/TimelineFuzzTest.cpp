// Random mutations of a valid MIDI file and a valid event script, thousands
// of each, under AddressSanitizer: the readers may refuse a file or end a
// track early, but never crash, hang or read outside the file.
#include "base/Messages.h"
#include "support/MidiBuilder.h"
#include "timeline/cEventQueue_factory.h"
#include "timeline/cMidiReader.h"

#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kRounds = 3000;

std::vector<uint8_t> valid_midi() {
    cMidiTrack conductor, notes;
    conductor.name(0, "conductor").tempo(0, 480000).event(0, {0xFF, 0x58, 4, 4, 2, 24, 8}).end();
    notes.name(0, "kick");
    for (int i = 0; i < 16; ++i)
        notes.event(240, {0x90, 36, 100}).event(120, {36, 0}).event(0, {0xB0, 72, 10});
    notes.event(0, {0xF0, 3, 1, 2, 0xF7}).end(480);
    return midi_file(1, 480, {conductor, notes});
}

const char* const kValidScript = "# a timeline\n"
                                 "s03 0:0:01,000\nbeat 0:0:01,500\ntechnofx2 0:0:02,000\n"
                                 "s100 0:0:03,000\n5 comment\nquit 0:0:10,000\n";

// Flips, inserts, deletes and truncates a few bytes.
template <class Bytes> Bytes mutate(Bytes data, std::mt19937& rng) {
    const int edits = 1 + static_cast<int>(rng() % 8);
    for (int e = 0; e < edits && !data.empty(); ++e) {
        const size_t at = rng() % data.size();
        switch (rng() % 5) {
        case 0:
            data[at] = static_cast<typename Bytes::value_type>(rng());
            break;
        case 1:
            data[at] ^= static_cast<typename Bytes::value_type>(1u << (rng() % 8));
            break;
        case 2:
            data.insert(data.begin() + static_cast<long>(at),
                        static_cast<typename Bytes::value_type>(rng()));
            break;
        case 3:
            data.erase(data.begin() + static_cast<long>(at));
            break;
        default:
            data.resize(at);
        }
    }
    return data;
}

// Reads the file in a child process, since a refused file ends the process
// with code 1 by design. Returns the child's exit code, or 128 + signal.
int read_in_child(const std::vector<uint8_t>& file) {
    std::cout.flush();
    std::cerr.flush();
    const pid_t pid = fork();
    if (pid == 0) {
        alarm(10); // a hang shows as SIGALRM
        std::ostringstream discard;
        redirect_messages(&discard, &discard);
        cEventQueue queue;
        cMidiReader::read_bytes(file, queue);
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

TEST(TimelineFuzz, MutatedMidiFilesAreReadOrRefused) {
    std::mt19937 rng(1234);
    const std::vector<uint8_t> valid = valid_midi();
    ASSERT_EQ(read_in_child(valid), 0);
    int refused = 0;
    for (int round = 0; round < kRounds; ++round) {
        const int code = read_in_child(mutate(valid, rng));
        ASSERT_TRUE(code == 0 || code == 1) << "round " << round << " ended with " << code;
        refused += code == 1;
    }
    std::cout << "# " << refused << " of " << kRounds << " mutated files refused" << std::endl;
}

TEST(TimelineFuzz, MutatedScriptsAreRead) {
    std::mt19937 rng(5678);
    std::ostringstream discard;
    redirect_messages(&discard, &discard);
    for (int round = 0; round < kRounds; ++round) {
        std::istringstream in(mutate(std::string(kValidScript), rng));
        cEventQueue queue;
        cEventQueue_factory::parse(in, queue);
        for (size_t i = 1; i < queue.size(); ++i)
            ASSERT_LE(queue.at(i - 1)->time, queue.at(i)->time);
    }
    redirect_messages(nullptr, nullptr);
}
