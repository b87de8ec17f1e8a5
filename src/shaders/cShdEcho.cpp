#include "cShdEcho.h"

#include <algorithm>

cShdEcho::cShdEcho(CGprofile vertex_profile, cShaderManager_CG* manager, CGprofile fragment_profile,
                   bool together)
    : cShdBase(vertex_profile, manager, fragment_profile, "cShdEcho",
               "## ERROR: unable to get parameters in cShdEcho::init_parameters") {
    uniform(FRAGMENT, "fade_width", fade_width_, 2);
    uniform(FRAGMENT, "border", &border_);
    static const char* const kNames[] = {"shifts0", "shifts1", "shifts2", "shifts3",
                                         "shifts4", "shifts5", "shifts6"};
    for (int i = 0; i < (together ? 1 : 7); ++i)
        uniform(FRAGMENT, kNames[i], shifts_ + 4 * i, 4);
    if (together)
        set_defines({"-DTOGETHER"});
    load_from_files("cg_post_levels_vert.cg", "cg_echo_frag.cg");
}

bool cShdEcho::take(cShaderParameterBase* parameter) {
    float values[kCount];
    if (!copy(parameter, values, kCount))
        return false;
    std::copy_n(values, 2, fade_width_);
    std::copy_n(values + 2, kCopies, shifts_);
    border_ = values[2 + kCopies];
    return true;
}
