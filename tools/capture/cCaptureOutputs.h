// Everything a capture run writes: the pictures at requested times, the
// contact sheet, the video and the statistics. Each is written under a
// temporary name and takes its requested name only once it is complete.
#pragma once

#include "cCaptureOptions.h"
#include "cContactSheet.h"
#include "cFrameStats.h"
#include "cOutputFile.h"
#include "cPieceRecord.h"
#include "cVideoPipe.h"

#include <memory>

class cCaptureOutputs {
public:
    explicit cCaptureOutputs(const sCaptureOptions& options);

    // Before start-up: the pictures' folder exists (made if missing), every
    // output can be written, ffmpeg is there. Throws.
    void check();
    // Checks the requested times against the timeline's end; throws.
    void fit_timeline(int32_t end_ms);
    // Frames starting at or after this time are needed by no output.
    int32_t stop_ms() const { return stop_ms_; }
    // Whether the frame shown from `t` until `next` must be read back.
    bool wants_pixels(int32_t t, int32_t next) const;
    // Whether the frame shown from `t` must be drawn at all: read back, or timed for the
    // statistics. The others are only updated, which leaves the same state behind.
    bool wants_drawing(int32_t t, int32_t next) const {
        return wants_pixels(t, next) || (stats_file_ && in_range(t));
    }
    void take(const cFrame& frame, int32_t t, int32_t next, const std::string& scene);
    // GL's renderer and version, for the piece's record.
    void set_renderer(const std::string& renderer) { renderer_ = renderer; }
    // Whether the frame of `scene` shown from `t` has its post effects timed.
    bool times_post(const std::string& scene, int32_t t) const {
        return stats_file_ && in_range(t) && stats_.times_post(scene);
    }
    // The frame shown from `t`: its wall time and, if they were timed, the part of it spent
    // in the post effects.
    void record(const std::string& scene, int32_t t, double wall_ms, double post_ms, int pool_peak,
                bool post_timed);
    // Writes the sheet and the statistics and ends the video; throws.
    void finish();
    // Stops ffmpeg and removes every unfinished file, and the pictures'
    // folder if this run made it and it holds nothing.
    void discard();

    std::string picture_path(int32_t ms) const;

private:
    bool in_range(int32_t t) const { return t >= o_.from && t < range_end_; }
    bool sheet_time_in(int32_t t, int32_t next) const;
    void write_picture(const cFrame& frame, int32_t ms);
    void finish_piece();
    void make_picture_folder();

    sCaptureOptions o_;
    int32_t range_end_ = 0;
    int32_t stop_ms_ = 0;
    cContactSheet sheet_;
    cFrameStats stats_;
    std::unique_ptr<cOutputFile> sheet_file_, video_file_, stats_file_;
    std::unique_ptr<cVideoPipe> video_;
    std::unique_ptr<cOutputFile> piece_file_, record_file_;
    std::unique_ptr<cVideoPipe> piece_;
    std::unique_ptr<cPieceRecord> record_;
    std::string renderer_ = "unknown";
    std::string made_folder_; // the outermost folder make_picture_folder made
};
