#include "LoadPhase.h"

#include "SceneList.h"
#include "platform/PerfCounter.h"
#include "render/GlBaseline.h"
#include "render/ScreenHelpers.h"
#include "render/cRenderTargetManager.h"
#include "render/cSavedState.h"
#include "render/cShaderManager_CG.h"
#include "scenes/loader/cLoadScreen_MM.h"
#include "timeline/cMidiReader.h"
#include "timeline/cSceneManager.h"

#include <GL/gl.h>
#include <SDL.h>
#include <algorithm>

namespace {

constexpr uint32_t kHoldSleepMs = 10;

int32_t since_start(cSceneManager& manager) {
    return manager.demo_time().demo_time();
}

} // namespace

void load_scenes(cSceneManager& manager, cLoadScreen_MM& screen) {
    const std::vector<cScene*>& scenes = manager.scenes();
    for (size_t i = 0; i < scenes.size(); ++i) {
        scenes[i]->load();
        screen.show_progress(static_cast<float>(i) / static_cast<float>(scenes.size()), true);
    }
}

// The clock is not advanced while the scenes load, so this runs at least once
// however long loading took.
void hold_load_screen(cSceneManager& manager, cLoadScreen_MM& screen) {
    while (since_start(manager) < kMinimumLoadMs) {
        perf_sleep_ms(kHoldSleepMs);
        manager.advance_clock();
        screen.show_progress(1.0f, true);
    }
}

void fade_load_screen(cSceneManager& manager, cLoadScreen_MM& screen) {
    manager.advance_clock();
    const int32_t fade_start = since_start(manager);
    for (int32_t t = 0; t < kFadeMs; t = since_start(manager) - fade_start) {
        screen.show_progress(1.0f, false);
        const float light = std::clamp(1.0f - static_cast<float>(t) / 1000.0f, 0.0f, 1.0f);
        draw_black(1.0f - light);
        SDL_GL_SwapBuffers();
        manager.advance_clock();
    }
}

void draw_black(float alpha) {
    cShaderManager_CG& shaders = shader_manager();
    shaders.push_shader();
    shaders.unbind();
    {
        const cSavedState saved(GL_ALL_ATTRIB_BITS);
        glDepthMask(GL_FALSE);
        const GLenum off_during_fade[] = {GL_LIGHTING, GL_DEPTH_TEST, GL_ALPHA_TEST, GL_TEXTURE_2D,
                                          GL_TEXTURE_RECTANGLE_ARB};
        for (GLenum off : off_during_fade)
            glDisable(off);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        push_unit_square();
        glColor4f(0, 0, 0, alpha);
        glRectf(0, 0, 1, 1);
        pop_unit_square();
    }
    shaders.pop_shader();
}

void load_phase(cDemo& demo) {
    cSceneManager& manager = scene_manager();
    manager.start();
    render_target_manager().set_clock(&manager.demo_time());
    add_scenes(manager);
    manager.set_scene_start([] { set_baseline_state(display_settings()); });
    cLoadScreen_MM screen(manager.demo_time());
    screen.show_progress(0.0f, true);
    load_scenes(manager, screen);
    hold_load_screen(manager, screen);
    fade_load_screen(manager, screen);
    cMidiReader::read_into_queue(cSceneManager::kMidiFile, *manager.event_queue());
    manager.event_queue()->rewind();
    demo.gui().layout();
}
