// The music module: composes the demo's tune, writes its notes as
// music/pulse55.mid, renders and masters them, writes the audio as
// music/pulse55.mp3 (44.1 kHz stereo, 192 kbit/s) and prints how it measures.
#pragma once

#include "BakeModule.h"
#include "MasterBus.h"
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
    static MasterSettings master_settings();
    static bake::Mp3Settings mp3_settings();
    static void write_midi(const std::string& data_dir, const Score& score);
};
