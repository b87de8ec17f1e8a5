// The growing scrub's pictures: the sunlit opening background, the stylised head that echoes
// on the beat, the vignette, the two logo bars and the two glow sprites behind a greeting.
// Painted from layered noise with grain; rows bottom first, as the texture loader reads them.
#pragma once

#include <cstdint>
#include <vector>

class cScrubPictures {
public:
    static constexpr int kScreenWidth = 1024, kScreenHeight = 640;
    static constexpr int kBarWidth = 1024, kTopBarHeight = 128, kBottomBarHeight = 256;
    static constexpr int kSpriteSize = 256;

    // RGB, screen sized.
    static std::vector<uint8_t> sun_background();
    static std::vector<uint8_t> vignette();
    // RGBA, screen sized: the head in profile, clear around it.
    static std::vector<uint8_t> head();
    // RGBA bars: the dark band at the screen's top edge and the one at its bottom edge with
    // the group's name.
    static std::vector<uint8_t> logo_top();
    static std::vector<uint8_t> logo_bottom();
    // RGBA sprites for additive drawing: a soft disc, and rays around the middle.
    static std::vector<uint8_t> backblow();
    static std::vector<uint8_t> streaks();
};
