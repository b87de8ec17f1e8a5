#include "cCaptureOutputs.h"

#include "base/FormatTime.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

const char* const kMusic = "../data/music/pulse55.mp3";

// The folder as a path whose last element is the folder itself, not "".
fs::path folder_path(const std::string& name) {
    const fs::path folder = fs::path(name).lexically_normal();
    return folder.has_filename() ? folder : folder.parent_path();
}

std::unique_ptr<cOutputFile> output(const std::string& path) {
    return path.empty() ? nullptr : std::make_unique<cOutputFile>(path);
}

} // namespace

cCaptureOutputs::cCaptureOutputs(const sCaptureOptions& options)
    : o_(options), sheet_file_(output(o_.sheet)), video_file_(output(o_.video)),
      stats_file_(output(o_.stats)) {
    if (video_file_)
        video_ = std::make_unique<cVideoPipe>(video_file_->temp_path(), kMusic, o_.fps);
    if (!o_.piece.empty()) {
        piece_file_ = output(o_.piece);
        record_file_ = output(o_.piece + ".record");
        piece_ = std::make_unique<cVideoPipe>(piece_file_->temp_path(), "", o_.fps);
    }
}

std::string cCaptureOutputs::picture_path(int32_t ms) const {
    char name[32];
    std::snprintf(name, sizeof name, "/frame_%07d.png", static_cast<int>(ms));
    return o_.out_dir + name;
}

void cCaptureOutputs::make_picture_folder() {
    const fs::path folder = folder_path(o_.out_dir);
    std::error_code error;
    if (o_.at.empty() || fs::is_directory(folder, error))
        return;
    fs::path outermost = folder;
    while (outermost.has_parent_path() && !fs::exists(outermost.parent_path(), error))
        outermost = outermost.parent_path();
    if (!fs::create_directories(folder, error))
        throw std::runtime_error("cannot make the folder " + o_.out_dir + ": " + error.message());
    made_folder_ = outermost.string();
}

void cCaptureOutputs::check() {
    make_picture_folder();
    for (const auto* file : {sheet_file_.get(), video_file_.get(), stats_file_.get(),
                             piece_file_.get(), record_file_.get()})
        if (file)
            file->check_writable();
    for (int32_t t : o_.at)
        cOutputFile(picture_path(t)).check_writable();
    if (video_ || piece_)
        cVideoPipe::check_ffmpeg();
}

void cCaptureOutputs::fit_timeline(int32_t end_ms) {
    const auto outside = [&](int32_t t) { return t < 0 || t >= end_ms; };
    const std::string timeline = "the timeline (00:00:00,000 to " + format_time(end_ms) + ")";
    for (int32_t t : o_.at)
        if (outside(t))
            throw std::runtime_error("--at " + format_time(t) + " lies outside " + timeline);
    if (o_.back_from >= 0 && outside(o_.back_from))
        throw std::runtime_error("--back-from " + format_time(o_.back_from) + " lies outside " +
                                 timeline);
    if (outside(o_.from))
        throw std::runtime_error("--from " + format_time(o_.from) + " lies outside " + timeline);
    if (!o_.runs_to_end() && o_.to > end_ms)
        throw std::runtime_error("--to " + format_time(o_.to) + " lies outside " + timeline);
    range_end_ = o_.runs_to_end() ? end_ms : o_.to;
    if (piece_)
        record_ = std::make_unique<cPieceRecord>(o_.fps, o_.from, range_end_);
    const bool ranged = sheet_file_ || video_file_ || stats_file_ || piece_file_;
    stop_ms_ = std::max(ranged ? range_end_ : 0, o_.at.empty() ? 0 : o_.at.back() + 1);
}

bool cCaptureOutputs::sheet_time_in(int32_t t, int32_t next) const {
    if (!sheet_file_ || !in_range(t))
        return false;
    // The first sheet time at or after t.
    const int64_t k = (int64_t{t} - o_.from + o_.every - 1) / o_.every;
    const int64_t at = o_.from + k * o_.every;
    return at < next && at < range_end_;
}

bool cCaptureOutputs::wants_pixels(int32_t t, int32_t next) const {
    const bool picture =
        std::any_of(o_.at.begin(), o_.at.end(), [&](int32_t at) { return at >= t && at < next; });
    return picture || sheet_time_in(t, next) || ((video_ || piece_) && in_range(t));
}

void cCaptureOutputs::write_picture(const cFrame& frame, int32_t ms) {
    cOutputFile file(picture_path(ms));
    frame.save_png(file.temp_path());
    file.commit();
}

void cCaptureOutputs::take(const cFrame& frame, int32_t t, int32_t next, const std::string& scene) {
    for (int32_t at : o_.at)
        if (at >= t && at < next)
            write_picture(frame, at);
    if (sheet_time_in(t, next))
        sheet_.add(frame, format_time(t) + "  " + scene);
    if (video_ && in_range(t))
        video_->add(frame, t);
    if (piece_ && in_range(t)) {
        piece_->add(frame, t);
        record_->add(frame, t);
    }
}

void cCaptureOutputs::record(const std::string& scene, int32_t t, double wall_ms, double post_ms,
                             int pool_peak, bool post_timed) {
    if (in_range(t))
        stats_.record(scene, wall_ms, post_ms, pool_peak, post_timed);
}

void cCaptureOutputs::finish() {
    if (sheet_file_) {
        sheet_.compose().save_png(sheet_file_->temp_path());
        sheet_file_->commit();
    }
    if (video_) {
        video_->finish();
        video_file_->commit();
    }
    if (piece_)
        finish_piece();
    if (stats_file_) {
        std::ofstream out(stats_file_->temp_path());
        stats_.write(out);
        if (!out.flush())
            throw std::runtime_error("cannot write " + stats_file_->path());
        stats_file_->commit();
    }
}

// The record takes its name last: a piece without its record was never finished.
void cCaptureOutputs::finish_piece() {
    piece_->finish();
    piece_file_->commit();
    std::ofstream out(record_file_->temp_path());
    out << record_->text(renderer_);
    if (!out.flush())
        throw std::runtime_error("cannot write " + record_file_->path());
    out.close();
    record_file_->commit();
}

void cCaptureOutputs::discard() {
    video_.reset();
    piece_.reset();
    for (auto* file : {sheet_file_.get(), video_file_.get(), stats_file_.get(), piece_file_.get(),
                       record_file_.get()})
        if (file)
            file->discard();
    if (made_folder_.empty())
        return;
    // Innermost first; a folder that holds pictures stays, and so do those above it.
    std::error_code error;
    for (fs::path folder = folder_path(o_.out_dir);
         fs::remove(folder, error) && folder != made_folder_;)
        folder = folder.parent_path();
}
