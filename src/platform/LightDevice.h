// The case lights of machines that have them: a Linux LED class device (a
// keyboard backlight under /sys/class/leds) takes the brightness of each
// 44-byte light request and gets the user's own brightness back at the end.
#pragma once

#include <array>
#include <cstdint>
#include <string>

using tLightRequest = std::array<uint8_t, 44>;

// Opens the light device for one request; -1 when there is none. The first
// open of a backlight notes the brightness the user had set.
int light_device_open();
// Sends one request; false with `error` set (an errno value) on failure.
bool light_device_control(int device, const tLightRequest& request, int* error);
void light_device_close(int device);
// Puts the noted brightness back. A signal that ends the process does the
// same on its way out, so the user's keyboard is left as it was found.
void light_device_restore();

// Uses `path` as the device: an LED class folder, or a plain file that
// receives every request's bytes. "" restores the search for a backlight.
void set_light_device_path(const std::string& path);
