#include "frame/MainLoop.h"
#include "support/Capture.h"
#include "toolkit/TweakVars.h"

#include <gtest/gtest.h>

namespace {

SDL_Event key(Uint8 type, SDLKey sym) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = sym;
    return e;
}

SDL_Event button(Uint8 type, Uint8 which, Uint16 x, Uint16 y) {
    SDL_Event e{};
    e.type = type;
    e.button.button = which;
    e.button.x = x;
    e.button.y = y;
    return e;
}

} // namespace

TEST(Input, HeldKeysAreASetOfLowerCaseCodes) {
    cInputState input;
    for (int repeat = 0; repeat < 3; ++repeat)
        EXPECT_TRUE(input.apply(key(SDL_KEYDOWN, SDLK_a), 1024, 768));
    EXPECT_TRUE(input.apply(key(SDL_KEYDOWN, static_cast<SDLKey>('B')), 1024, 768));
    EXPECT_EQ(input.pressed_keys, (std::set<int>{'a', 'b'}));
    input.apply(key(SDL_KEYUP, SDLK_a), 1024, 768);
    EXPECT_EQ(input.pressed_keys, (std::set<int>{'b'}));
}

TEST(Input, MouseIsNormalisedFromTheBottomLeftAndWheelFlagsStick) {
    cInputState input;
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 512;
    motion.motion.y = 192;
    input.apply(motion, 1024, 768);
    EXPECT_FLOAT_EQ(input.mouse[0], 0.5f);
    EXPECT_FLOAT_EQ(input.mouse[1], 0.75f);
    input.apply(button(SDL_MOUSEBUTTONDOWN, 1, 256, 768), 1024, 768);
    EXPECT_FLOAT_EQ(input.click[0], 0.25f);
    EXPECT_FLOAT_EQ(input.click[1], 0.0f);
    input.apply(button(SDL_MOUSEBUTTONDOWN, 4, 0, 0), 1024, 768);
    input.apply(button(SDL_MOUSEBUTTONDOWN, 7, 0, 0), 1024, 768); // no flag, no harm
    input.apply(button(SDL_MOUSEBUTTONUP, 1, 0, 0), 1024, 768);
    input.apply(button(SDL_MOUSEBUTTONUP, 4, 0, 0), 1024, 768);
    EXPECT_FALSE(input.buttons[1]);
    EXPECT_TRUE(input.buttons[4]);
    EXPECT_FALSE(input.button_held()); // a stuck wheel flag must not end hovering
}

// Tab toggles the GUI; Space prints "-", the time, then one row per variable.
TEST(Input, KeyHandlingTogglesDumpsOncePerPressAndQuits) {
    cDemo demo;
    int layers = 12;
    float gamma = 1.5f;
    Vec3f eye(1, 2.5f, -0.125f);
    add_var(demo.gui().list(), "layers", &layers, 1, 500);
    add_watch(demo.gui().list(), "gamma", &gamma);
    add_var(demo.gui().list(), "cam-eye", &eye, -10, 10);
    cDemoTime time{1000, 76004, 76000};
    cInputState input;
    input.pressed_keys = {SDLK_TAB, SDLK_SPACE, 'x'};
    cCapture capture;
    EXPECT_TRUE(handle_keys(input, demo, time));
    EXPECT_TRUE(demo.gui_visible());
    const std::string dump = "-\n00:01:15,004\nlayers 12\ngamma 1.5\ncam-eye (1,2.50,-0.12)\n";
    EXPECT_EQ(capture.err(), dump);
    EXPECT_EQ(input.pressed_keys, (std::set<int>{'x'})); // held until released
    EXPECT_TRUE(handle_keys(input, demo, time));
    EXPECT_EQ(capture.err(), dump);
    input.pressed_keys.insert('q');
    EXPECT_FALSE(handle_keys(input, demo, time));
}
