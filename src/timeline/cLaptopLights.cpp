#include "cLaptopLights.h"

#include "base/Messages.h"

#include <algorithm>
#include <ios>

tLightRequest cLaptopLights::make_request(int level, int c1, int c2, int c3) {
    if (level == 0)
        c1 = c2 = c3 = 0;
    tLightRequest request{};
    request[0] = 4;
    request[2] = 6;
    request[4] = static_cast<uint8_t>(std::clamp(c1, 0, 15));
    request[5] = static_cast<uint8_t>(std::clamp(c2, 0, 16));
    request[6] = static_cast<uint8_t>(std::clamp(c3, 0, 16));
    request[7] = static_cast<uint8_t>(std::clamp(level, 0, 7));
    request[8] = 1;
    return request;
}

void cLaptopLights::set_lights(int level, int c1, int c2, int c3) {
    if (!enabled_)
        return;
    const int device = light_device_open();
    if (device < 0) {
        enabled_ = false;
        msg_out() << "xps not detected" << std::endl;
        return;
    }
    int error = 0;
    if (!light_device_control(device, make_request(level, c1, c2, c3), &error))
        msg_out() << "DeviceIoControl failed: 0x" << std::hex << error << std::dec << std::endl;
    light_device_close(device);
}

void cLaptopLights::off() {
    set_lights(0, 0, 0, 0);
    light_device_restore();
}

void cLaptopLights::flash() {
    colour_ = kFlashColour;
    level_ = kFlashLevel;
    set_lights(level_, colour_, colour_, colour_);
}

void cLaptopLights::fade_step(int32_t demo_time) {
    if (demo_time <= next_step_ms_)
        return;
    next_step_ms_ += kStepMs;
    if (level_ > 0) {
        --level_;
        set_lights(level_, colour_, colour_, colour_);
    }
}
