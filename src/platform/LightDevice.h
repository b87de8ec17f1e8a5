// The case lights of machines that have them: a Linux LED class device (a
// keyboard backlight under /sys/class/leds) takes the brightness of each
// 44-byte light request; a plain file set by a test receives the raw bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

using tLightRequest = std::array<uint8_t, 44>;

// Opens the light device for one request; -1 when there is none.
int light_device_open();
// Sends one request; false with `error` set (an errno value) on failure.
bool light_device_control(int device, const tLightRequest& request, int* error);
void light_device_close(int device);

// Uses `path` as the device: an LED class folder, or a file that receives
// every request's bytes. "" restores the search for a keyboard backlight.
void set_light_device_path(const std::string& path);
