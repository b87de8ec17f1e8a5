#include "AppSetup.h"
#include "render/GlBaseline.h"
#include "render/GlErrors.h"
#include "render/GlExtensions.h"

void init_gl(const cDisplaySettings& s) {
    load_gl_extensions();
    set_baseline_state(s);
    check_gl_error("init_gl");
}
