// Decodes an MP3 file back to float stereo with libmpg123, gapless (the LAME
// info frame's delay and padding dropped), exactly as the demo's sound layer
// hears it, so the pipeline can measure what it actually shipped.
#pragma once

#include "StereoBuffer.h"

#include <string>

namespace bake {

// Empty on failure, with `error` filled.
StereoBuffer read_mp3(const std::string& path, std::string* error);

} // namespace bake
