// What a scene module tells the light-map baker about its room: the lamps, the skylight
// and the light's colours (the rig), and how each kind of surface looks (its colour at a
// point, and the mean colour its bounced light takes). Pieces name surfaces by index.
#pragma once

#include "geometry/Vec3.h"
#include "sRgb.h"

#include <functional>
#include <vector>

struct cLightLamp {
    Vec3f position; // the bulb's centre
    float radius;   // the bulb, the light's size for soft shadows
};

struct cLightSurface {
    sRgb base; // the mean colour; light bounced off the surface takes this
    // The colour at a point (stains, grain, veins), given the base; none: the base.
    std::function<sRgb(const Vec3f& p, sRgb base)> texture;
    bool bulbs = false; // texels within a lamp's bulb show it lit
};

struct cLightRig {
    std::vector<cLightLamp> lamps;
    sRgb lamp_colour{1.0f, 0.70f, 0.40f};
    float lamp_power = 210000;
    float lamp_softness = 45; // keeps the walls right by a lamp from burning out
    // The skylight: a disc of light of this radius, centred on the y axis at this height.
    float skylight_radius = 0, skylight_height = 0;
    sRgb sky_colour{0.55f, 0.78f, 1.25f};
    sRgb ambient_off{0.06f, 0.09f, 0.15f}, ambient_on{0.10f, 0.075f, 0.05f};
    // With the lamps off the room is seen by the sky's cold light alone: every texel takes
    // its brightness in this tint (luminance 1), so nearly grey texels share one hue.
    sRgb moon_tint{0.66f, 1.01f, 1.87f};
    sRgb bulb_on{6.0f, 4.8f, 3.2f}, bulb_off{0.05f, 0.05f, 0.06f};
};
