#include "support/TestAudio.h"
#include "timeline/cLaptopLights.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Points the light device at a file that records every request.
class LaptopLightsTest : public ::testing::Test {
protected:
    LaptopLightsTest() : device_(dir_.path("lights")) {
        write_bytes(device_, "");
        set_light_device_path(device_);
    }
    ~LaptopLightsTest() override { set_light_device_path(""); }

    // Each request as "level/colour1/colour2/colour3".
    std::vector<std::string> requests() {
        const std::string bytes = read_bytes(device_);
        std::vector<std::string> result;
        for (size_t at = 0; at + 44 <= bytes.size(); at += 44)
            result.push_back(std::to_string(bytes[at + 7]) + "/" + std::to_string(bytes[at + 4]) +
                             "/" + std::to_string(bytes[at + 5]) + "/" +
                             std::to_string(bytes[at + 6]));
        EXPECT_EQ(bytes.size() % 44, 0u);
        return result;
    }

    TempDir dir_;
    std::string device_;
    cLaptopLights lights_;
};

using Requests = std::vector<std::string>;

} // namespace

// Step i is taken in the first frame after i x 50 ms; a flash while fading
// starts again at the top without moving the steps. Colours are clamped.
TEST_F(LaptopLightsTest, AFlashFadesInSevenStepsOnA50MsGrid) {
    lights_.flash();
    std::vector<int> step_times;
    for (int32_t t = 0; t <= 1000; t += 20) {
        const size_t before = requests().size();
        lights_.fade_step(t);
        if (requests().size() > before)
            step_times.push_back(t);
    }
    EXPECT_EQ(step_times, (std::vector<int>{20, 60, 120, 160, 220, 260, 320}));
    lights_.flash();
    lights_.fade_step(1000); // the grid holds: not yet
    lights_.fade_step(1020);
    lights_.set_lights(9, 20, 20, -3);
    EXPECT_EQ(requests(),
              (Requests{"7/2/2/2", "6/2/2/2", "5/2/2/2", "4/2/2/2", "3/2/2/2", "2/2/2/2", "1/2/2/2",
                        "0/0/0/0", "7/2/2/2", "6/2/2/2", "7/15/16/0"}));
}

// A keyboard backlight shows the level scaled to its own range, and gets the
// user's brightness back at the end, or when a signal ends the program.
TEST_F(LaptopLightsTest, ABacklightShowsTheLevelAndIsLeftAsItWasFound) {
    const std::string led = dir_.path("kbd_backlight");
    const std::string brightness = led + "/brightness";
    std::filesystem::create_directories(led);
    write_bytes(led + "/max_brightness", "3\n");
    write_bytes(brightness, "2\n");
    set_light_device_path(led);
    lights_.flash();
    EXPECT_EQ(read_bytes(brightness), "3");
    lights_.set_lights(3, 1, 1, 1);
    EXPECT_EQ(read_bytes(brightness), "1");
    lights_.off();
    EXPECT_EQ(read_bytes(brightness), "2");

    EXPECT_EXIT(
        {
            lights_.flash();
            raise(SIGTERM);
        },
        testing::KilledBySignal(SIGTERM), "");
    EXPECT_EQ(read_bytes(brightness), "2");
}
