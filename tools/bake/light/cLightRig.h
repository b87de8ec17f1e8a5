// What a scene module tells the light-map baker about its room: the lamps, the skylight
// and the light's colours (the rig), and how each kind of surface looks (its colour at a
// point, and the mean colour its bounced light takes). Pieces name surfaces by index.
#pragma once

#include "geometry/Vec3.h"

#include <functional>
#include <vector>

struct cRgb {
    float r = 0, g = 0, b = 0;
};

struct cLightLamp {
    Vec3f position; // the bulb's centre
    float radius;   // the bulb, the light's size for soft shadows
};

struct cLightSurface {
    cRgb base; // the mean colour; light bounced off the surface takes this
    // The colour at a point (stains, grain, veins), given the base; none: the base.
    std::function<cRgb(const Vec3f& p, cRgb base)> texture;
    bool bulbs = false; // texels within a lamp's bulb show it lit
};

struct cLightRig {
    std::vector<cLightLamp> lamps;
    cRgb lamp_colour{1.0f, 0.70f, 0.40f};
    float lamp_power = 210000;
    float lamp_softness = 45; // keeps the walls right by a lamp from burning out
    // The skylight: a disc of light of this radius, centred on the y axis at this height.
    float skylight_radius = 0, skylight_height = 0;
    cRgb sky_colour{0.55f, 0.78f, 1.25f};
    cRgb ambient_off{0.06f, 0.09f, 0.15f}, ambient_on{0.10f, 0.075f, 0.05f};
    // With the lamps off the room is seen by the sky's cold light alone: every texel takes
    // its brightness in this tint (luminance 1), so nearly grey texels share one hue.
    cRgb moon_tint{0.66f, 1.01f, 1.87f};
    cRgb bulb_on{6.0f, 4.8f, 3.2f}, bulb_off{0.05f, 0.05f, 0.06f};
};
