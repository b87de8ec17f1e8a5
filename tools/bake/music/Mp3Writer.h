// Encodes 44.1 kHz stereo PCM into an MPEG-1 Layer III file with LAME.
// The encoder writes a LAME info frame, so decoders that honour it (the
// demo's sound layer does) drop the encoder delay and padding again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bake {

struct Mp3Settings {
    int sample_rate = 44100;
    int kbps = 192;  // constant bit rate
    int quality = 2; // LAME's 0 (best) .. 9 (fastest)
};

// `interleaved` holds left/right pairs of 16-bit samples. Returns false and
// fills `error` when LAME refuses the settings or the file cannot be written.
bool write_mp3(const std::string& path, const std::vector<int16_t>& interleaved,
               const Mp3Settings& settings, std::string* error);

} // namespace bake
