// Reads the hand-written event script into a sorted timeline. One event per
// line: a keyword in the first column and a time h:m:s,ms; comments, lines
// starting with a digit and blank lines are skipped, unknown keywords reported.
#pragma once

#include "cEventQueue.h"

#include <istream>
#include <string>
#include <vector>

class cEventQueue_factory {
public:
    // A new queue, or nullptr (after a message) when the file cannot be opened.
    static cEventQueue* loadFile(const std::string& name);
    // A line the reader skipped: its number (from 1) and the warning it printed or would print.
    struct sSkipped {
        int line;
        std::string warning;
    };

    // Reads script lines from `in` into `queue`, printing a warning for each line it skips;
    // the queue is sorted after.
    static void parse(std::istream& in, cEventQueue& queue);
    // The same without printing: the skipped lines are handed back, a line too long for the
    // reader (which ends the reading) among them.
    static std::vector<sSkipped> parse_checked(std::istream& in, cEventQueue& queue);
    // The event type of a recognised keyword; -1 for a keyword that is
    // silently ignored (comment, leading digit), -2 for an unknown one.
    static int keyword_type(const std::string& keyword);
    // Milliseconds of an h:m:s,ms time (any mix of ':' and ','); false if the
    // text holds fewer than four numbers or the time does not fit.
    static bool parse_time(const std::string& text, int32_t* ms);

    // Lines longer than this end the reading, as the script's reader always has.
    static constexpr size_t kMaxLine = 511;
};
