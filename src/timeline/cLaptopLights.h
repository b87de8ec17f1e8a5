// The machine's case lights, flashed on the kick of the tune and faded out in
// 50 ms steps, and left as the user had them at the end. On a machine without
// them the first request fails, says so once, and the lights stay off.
#pragma once

#include "base/Singleton.h"
#include "platform/LightDevice.h"

#include <cstdint>

class cLaptopLights {
public:
    static constexpr int kFlashLevel = 7;
    static constexpr int kFlashColour = 2;
    static constexpr int32_t kStepMs = 50;

    // One request: a level of 0 also turns the colours off.
    void set_lights(int level, int colour1, int colour2, int colour3);
    void flash();
    // At most one step down per frame, each at least kStepMs after the last.
    void fade_step(int32_t demo_time);
    // The last request, level 0; then the device gets back what it showed
    // before the first one (a keyboard backlight its own brightness).
    void off();

    // The request bytes set_lights sends.
    static tLightRequest make_request(int level, int colour1, int colour2, int colour3);

    bool enabled() const { return enabled_; }
    int level() const { return level_; }

private:
    bool enabled_ = true;
    int level_ = 0;
    int colour_ = 0;
    int32_t next_step_ms_ = 0;
};

inline cLaptopLights& laptop_lights() {
    return cSingleton<cLaptopLights>::get();
}
