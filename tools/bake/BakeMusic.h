// The music module: composes the demo's tune, renders it with the
// synthesiser, masters it, prints its levels per section and writes it as
// music/pulse55.mp3 (44.1 kHz stereo, 192 kbit/s).
#pragma once

#include "BakeModule.h"
#include "Mp3Writer.h"
#include "Score.h"
#include "StereoBuffer.h"

class cBakeMusic : public iBakeModule {
public:
    std::string name() const override { return "music"; }
    void bake(const std::string& data_dir) override;

    // The finished, mastered audio of `score` as played by the pulse55 mix.
    static StereoBuffer render(const Score& score);

private:
    static bake::Mp3Settings mp3_settings();
    static void print_levels(const Score& score, const StereoBuffer& audio);
};
