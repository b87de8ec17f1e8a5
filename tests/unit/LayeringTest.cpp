// The rooms of the source tree and the arrows between them: every quoted
// #include of src/ and tools/ is resolved to the file it names, and an include
// that reaches a room its own room may not import is reported with file and line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = fs::path(DEMO_BINARY).parent_path().parent_path();

// Which rooms each room may import besides itself. The frame may import every
// room; the fallback scene ("scenes") is the frame's alone. A scene's own folder
// is the room "scenes/NAME": scenes never import each other, only the pieces that
// more than one scene draws, which have rooms of their own there and import no scene.
const std::map<std::string, std::set<std::string>> kMayImport = {
    {"platform", {}},
    {"base", {"platform"}},
    {"sound", {"base", "platform"}},
    {"geometry", {"base", "platform"}},
    {"render", {"base", "platform", "render/post", "shaders"}},
    {"render/post", {"base", "platform", "render", "shaders"}},
    {"shaders", {"base", "platform", "render"}},
    {"mesh_files", {"base", "platform", "render", "shaders", "geometry"}},
    {"toolkit", {"base", "platform", "render", "render/post", "shaders", "geometry", "mesh_files"}},
    {"timeline", {"base", "platform", "sound", "geometry", "toolkit"}},
    {"scenes",
     {"base", "platform", "sound", "geometry", "render", "render/post", "shaders", "mesh_files",
      "toolkit", "timeline"}},
};
const std::set<std::string> kSharedPieces = {"scenes/sun", "scenes/litroom"};
const char* const kSolarFlare = "scenes/solarflare";
const char* const kCreditsSun = "scenes/creditssun";

// The room of a file under src/: its folder, with render/post and each
// scene's folder rooms of their own; "" for the top of src/.
std::string room_of(const fs::path& relative) {
    const std::vector<std::string> parts(relative.begin(), relative.end());
    if (parts.size() == 1)
        return "";
    const bool nested = parts.size() > 2 && (parts[0] == "scenes" || parts[1] == "post");
    return nested ? parts[0] + "/" + parts[1] : parts[0];
}

bool may_import(const std::string& from, const std::string& to) {
    if (from == to || from == "frame")
        return true;
    if (to.rfind("scenes/", 0) == 0)
        return from.rfind("scenes/", 0) == 0 && !kSharedPieces.count(from) &&
               kSharedPieces.count(to) > 0;
    const std::string rule = from.rfind("scenes/", 0) == 0 ? "scenes" : from;
    const auto allowed = kMayImport.find(rule);
    return allowed != kMayImport.end() && allowed->second.count(to) > 0;
}

// The file an include names: beside the includer first, then from src/.
fs::path resolve(const fs::path& includer, const std::string& name) {
    for (const fs::path& base : {includer.parent_path(), kRoot / "src"}) {
        const fs::path candidate = base / name;
        if (fs::is_regular_file(candidate))
            return fs::canonical(candidate);
    }
    return {};
}

// Every broken arrow of one file, as "file:line: includes X (room a -> room b)". The tools
// may import anything, so only a file of src/ can break an arrow.
void check_file(const fs::path& file, const fs::path& src, std::string& faults) {
    if (file.generic_string().rfind(src.generic_string() + "/", 0) != 0)
        return;
    const std::string from = room_of(fs::relative(file, src));
    static const std::regex include_line(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::ifstream in(file);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::smatch m;
        const fs::path target = std::regex_search(line, m, include_line) ? resolve(file, m[1]) : "";
        if (target.empty())
            continue;
        const bool to_src = target.generic_string().rfind(src.generic_string() + "/", 0) == 0;
        const std::string to = to_src ? room_of(fs::relative(target, src)) : "tools";
        if (!to_src || !may_import(from, to))
            faults += fs::relative(file, kRoot).generic_string() + ":" + std::to_string(number) +
                      ": includes \"" + m[1].str() + "\" (" + from + " -> " + to + ")\n";
    }
}

} // namespace

TEST(Layering, NoIncludeBreaksTheArrowsBetweenRooms) {
    const fs::path src = fs::canonical(kRoot / "src");
    std::string faults;
    size_t files = 0;
    for (const char* top : {"src", "tools"})
        for (const auto& entry : fs::recursive_directory_iterator(kRoot / top))
            if (entry.path().extension() == ".cpp" || entry.path().extension() == ".h") {
                ++files;
                check_file(fs::canonical(entry.path()), src, faults);
            }
    EXPECT_GT(files, 100u) << "the source tree was not found under " << kRoot;
    EXPECT_EQ(faults, "");
}

TEST(Layering, TheRulesCatchAWrongArrow) {
    EXPECT_TRUE(may_import("frame", "scenes/end") && may_import(kCreditsSun, "scenes/sun"));
    for (auto [from, to] : {std::pair{kSolarFlare, kCreditsSun},
                            {kCreditsSun, "scenes/credits"},
                            {"scenes/sun", "scenes/litroom"},
                            {"scenes/end", "scenes"},
                            {"render", "timeline"},
                            {"render", "geometry"},
                            {"platform", "base"},
                            {"toolkit", "timeline"},
                            {"scenes/end", "frame"}})
        EXPECT_FALSE(may_import(from, to)) << from << " -> " << to;
}
