#include "frame/MainLoop.h"
#include "support/Capture.h"
#include "support/StubScene.h"
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
    input.clicked = false;             // the frame has seen the click
    EXPECT_FALSE(input.button_held()); // a stuck wheel flag must not end hovering
}

// Taps shorter than a frame: key down and key up arrive before the frame's key handling.
// Each press is acted on once, in order; a key held across frames does not repeat. Tab
// toggles the GUI; Space prints "-", the time, then one row per variable; q quits.
TEST(Input, EveryKeyPressIsActedOnOnceHoweverShortTheTap) {
    cDemo demo;
    int layers = 12;
    float gamma = 1.5f;
    Vec3f eye(1, 2.5f, -0.125f);
    add_var(demo.gui().list(), "layers", &layers, 1, 500);
    add_watch(demo.gui().list(), "gamma", &gamma);
    add_var(demo.gui().list(), "cam-eye", &eye, -10, 10);
    cSceneManager manager;
    manager.demo_time() = cDemoTime{1000, 76004, 76000};
    cInputState input;
    const auto tap = [&](SDLKey k) {
        input.apply(key(SDL_KEYDOWN, k), 1024, 768);
        input.apply(key(SDL_KEYUP, k), 1024, 768);
    };
    for (SDLKey k : {SDLK_TAB, SDLK_SPACE, SDLK_x, SDLK_TAB, SDLK_TAB})
        tap(k);
    cCapture capture;
    EXPECT_TRUE(handle_keys(input, demo, manager));
    EXPECT_TRUE(demo.gui_visible()); // three taps of Tab
    const std::string dump = "-\n00:01:15,004\nlayers 12\ngamma 1.5\ncam-eye (1,2.50,-0.12)\n";
    EXPECT_EQ(capture.err(), dump);
    EXPECT_TRUE(input.pressed_keys.empty());

    input.apply(key(SDL_KEYDOWN, SDLK_SPACE), 1024, 768); // held over two frames
    EXPECT_TRUE(handle_keys(input, demo, manager));
    EXPECT_TRUE(handle_keys(input, demo, manager));
    EXPECT_EQ(capture.err(), dump + dump);
    EXPECT_EQ(input.pressed_keys, (std::set<int>{SDLK_SPACE}));

    tap(static_cast<SDLKey>('Q'));
    EXPECT_FALSE(handle_keys(input, demo, manager));
}

// A click whose button comes up before the frame still grabs the slider under it and sets
// its value, once; the next frame sees the button up.
TEST(Input, AClickShorterThanAFrameMovesTheSliderUnderIt) {
    float angle = 5;
    cStubScene scene("alpha", [&](cGuiVarList& v) { add_var(v, "angle", &angle, 0, 10); });
    cTweakGui gui;
    gui.layout();
    gui.refill(&scene);
    gui.list().layout();
    cInputState input;
    const Uint16 x = 0.9 * 1024, y = (1 - 0.68) * 768;
    input.apply(button(SDL_MOUSEBUTTONDOWN, 1, x, y), 1024, 768);
    input.apply(button(SDL_MOUSEBUTTONUP, 1, x, y), 1024, 768);
    feed_pointer(input, gui, &scene);
    EXPECT_GT(angle, 9);
    EXPECT_FALSE(input.button_held());
    angle = 5;
    feed_pointer(input, gui, &scene);
    EXPECT_EQ(angle, 5);
}
