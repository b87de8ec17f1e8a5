#include "cEventQueue_factory.h"

#include "base/Messages.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <fstream>

namespace {

const char* const kInstruments[] = {"beat",   "snare",    "rumble",    "fadein", "bwab1",
                                    "bwab2",  "technofx", "technofx2", "melody", "lead",
                                    "hihatc", "hihato",   "sinus_in"};
constexpr int kIgnored = -1;
constexpr int kUnknown = -2;

bool is_separator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// One line without its line end; false at the end of the input or at a line
// too long for the script, which is never read further than that.
bool read_line(std::istream& in, std::string* line) {
    char text[cEventQueue_factory::kMaxLine + 2]; // the line, a carriage return, the zero
    if (!in.getline(text, sizeof text))
        return false;
    line->assign(text);
    if (!line->empty() && line->back() == '\r')
        line->pop_back();
    return line->size() <= cEventQueue_factory::kMaxLine;
}

// The first token and the second; a line that starts with white space keeps
// it in its keyword, which then matches nothing.
void split(const std::string& line, std::string* keyword, std::string* time) {
    size_t end = 0;
    while (end < line.size() && (line[end] == ' ' || line[end] == '\t'))
        ++end;
    while (end < line.size() && !is_separator(line[end]))
        ++end;
    *keyword = line.substr(0, end);
    size_t start = end;
    while (start < line.size() && is_separator(line[start]))
        ++start;
    end = start;
    while (end < line.size() && !is_separator(line[end]))
        ++end;
    *time = line.substr(start, end - start);
}

// A base-10 number read as atol does: leading blanks and a sign, digits up to
// the first other character. Too large to be a time part: LLONG_MAX or MIN.
long long read_number(const std::string& text) {
    return std::strtoll(text.c_str(), nullptr, 10);
}

// Adds the line's event to the queue; the warning for a line it skips, "" for none.
std::string parse_line(const std::string& line, cEventQueue& queue) {
    std::string keyword, time_text;
    split(line, &keyword, &time_text);
    const int type = cEventQueue_factory::keyword_type(keyword);
    if (type == kIgnored)
        return "";
    if (type == kUnknown)
        return "# warning, unknown token " + keyword + " in cEventQueue_factory::eventtoken_parse";
    int32_t ms = 0;
    if (!cEventQueue_factory::parse_time(time_text, &ms))
        return "# warning, bad time \"" + time_text + "\" after " + keyword +
               " in cEventQueue_factory::loadFile, line skipped";
    queue.add(new cEvent(type, ms));
    return "";
}

} // namespace

int cEventQueue_factory::keyword_type(const std::string& keyword) {
    for (int i = 0; i < static_cast<int>(std::size(kInstruments)); ++i)
        if (keyword == kInstruments[i])
            return cEvent::kFirstTrigger + i;
    if (!keyword.empty() &&
        (std::isdigit(static_cast<unsigned char>(keyword[0])) || keyword[0] == '#'))
        return kIgnored;
    for (int scene = 0; scene <= cEvent::kLastScene; ++scene) {
        const std::string name = (scene < 10 ? "s0" : "s") + std::to_string(scene);
        if (keyword == name)
            return scene;
    }
    if (keyword == "s100")
        return cEvent::kNoHandler;
    if (keyword == "quit")
        return cEvent::kQuit;
    return kUnknown;
}

bool cEventQueue_factory::parse_time(const std::string& text, int32_t* ms) {
    static const long long kScale[4] = {3600000, 60000, 1000, 1};
    // The numbers are the non-empty runs between separators, as strtok sees them.
    long long total = 0;
    int part = 0;
    for (size_t start = 0; part < 4 && start < text.size();) {
        const size_t end = std::min(text.find_first_of(":,", start), text.size());
        if (end > start) {
            const long long number = read_number(text.substr(start, end - start));
            if (number > INT32_MAX || number < INT32_MIN)
                return false;
            total += number * kScale[part++];
            if (total > INT32_MAX || total < INT32_MIN)
                return false;
        }
        start = end + 1;
    }
    if (part < 4)
        return false;
    *ms = static_cast<int32_t>(total);
    return true;
}

void cEventQueue_factory::parse(std::istream& in, cEventQueue& queue) {
    for (const sSkipped& skipped : parse_checked(in, queue))
        msg_err() << skipped.warning << std::endl;
}

std::vector<cEventQueue_factory::sSkipped> cEventQueue_factory::parse_checked(std::istream& in,
                                                                              cEventQueue& queue) {
    std::vector<sSkipped> skipped;
    std::string line;
    int number = 1;
    for (; read_line(in, &line); ++number) {
        const std::string warning = line.empty() ? "" : parse_line(line, queue);
        if (!warning.empty())
            skipped.push_back({number, warning});
    }
    if (!in.eof())
        skipped.push_back({number, "# warning, line longer than " + std::to_string(kMaxLine) +
                                       " characters: the script is read no further"});
    queue.sort();
    return skipped;
}

cEventQueue* cEventQueue_factory::loadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        msg_out() << "Error reading file \"" << name << "\" in cEventQueue_factory::loadFile"
                  << std::endl;
        return nullptr;
    }
    auto* queue = new cEventQueue();
    parse(in, *queue);
    return queue;
}
