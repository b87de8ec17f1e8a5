#include "cVideoPipe.h"

#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::string seconds(int64_t ms) {
    return std::to_string(ms / 1000) + "." + std::to_string(1000 + ms % 1000).substr(1);
}

} // namespace

void cVideoPipe::check_ffmpeg() {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    for (size_t start = 0, end; start <= dirs.size(); start = end + 1) {
        end = std::min(dirs.find(':', start), dirs.size());
        const std::string candidate = dirs.substr(start, end - start) + "/ffmpeg";
        if (access(candidate.c_str(), X_OK) == 0)
            return;
    }
    throw std::runtime_error("ffmpeg not found on the search path (install Debian's ffmpeg "
                             "package: scripts/install-deps.sh)");
}

cVideoPipe::cVideoPipe(std::string file, std::string music, int fps)
    : file_(std::move(file)), music_(std::move(music)), fps_(fps) {}

cVideoPipe::~cVideoPipe() {
    if (fd_ >= 0)
        close(fd_);
    if (pid_ > 0)
        wait_child();
}

void cVideoPipe::start(int width, int height, int32_t demo_ms) {
    std::vector<std::string> args = {
        "ffmpeg",     "-hide_banner",
        "-loglevel",  "error",
        "-nostats",   "-y",
        "-f",         "rawvideo",
        "-pix_fmt",   "rgb24",
        "-s",         std::to_string(width) + "x" + std::to_string(height),
        "-framerate", std::to_string(fps_),
        "-i",         "pipe:0"};
    for (const std::string& a : encoding(demo_ms))
        args.push_back(a);
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int fds[2];
    // Close-on-exec: a second pipe's ffmpeg must not hold this one open.
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot open a pipe to ffmpeg");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[0], 0);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    const int rc = posix_spawnp(&pid_, "ffmpeg", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[0]);
    fd_ = fds[1];
    if (rc != 0)
        throw std::runtime_error("cannot start ffmpeg");
}

std::vector<std::string> cVideoPipe::encoding(int32_t demo_ms) const {
    if (music_.empty()) // every frame a key frame of its own: a piece cuts anywhere
        return {"-c:v",     "ffv1", "-level", "3",        "-g", "1",
                "-pix_fmt", "bgr0", "-f",     "matroska", file_};
    return {"-ss",       seconds(demo_ms),
            "-i",        music_,
            "-map",      "0:v:0",
            "-map",      "1:a:0",
            "-c:v",      "libx264",
            "-preset",   "veryfast",
            "-crf",      "18",
            "-pix_fmt",  "yuv420p",
            "-c:a",      "aac",
            "-b:a",      "192k",
            "-shortest", "-f",
            "mp4",       file_};
}

void cVideoPipe::add(const cFrame& frame, int32_t demo_ms) {
    if (fd_ < 0)
        start(frame.width(), frame.height(), demo_ms);
    const uint8_t* data = frame.bytes().data();
    for (size_t left = frame.bytes().size(); left > 0;) {
        const ssize_t n = write(fd_, data, left);
        if (n <= 0)
            throw std::runtime_error("ffmpeg stopped taking frames");
        data += n;
        left -= static_cast<size_t>(n);
    }
    ++frames_;
}

int cVideoPipe::wait_child() {
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void cVideoPipe::finish() {
    if (fd_ < 0)
        throw std::runtime_error("no frames for the video " + file_);
    close(fd_);
    fd_ = -1;
    if (wait_child() != 0)
        throw std::runtime_error("ffmpeg failed to write the video " + file_);
}
