#include "support/ChildProcess.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

bool out_of_time(Clock::time_point start, double seconds) {
    return std::chrono::duration<double>(Clock::now() - start).count() > seconds;
}

void run_child(const std::string& program, const std::string& cwd,
               const std::vector<std::string>& env, const std::vector<std::string>& args, int in,
               int out, int err) {
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    if (chdir(cwd.c_str()) != 0)
        _exit(126);
    for (const std::string& assignment : env)
        putenv(const_cast<char*>(assignment.c_str()));
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

} // namespace

cChildProcess::cChildProcess(const std::string& program, const std::string& cwd,
                             const std::string& input, const std::vector<std::string>& env,
                             eChildInput how, const std::vector<std::string>& args) {
    int in[2], out[2], err[2];
    // Close-on-exec: the child keeps only its standard streams, so its input
    // ends when ours is closed.
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ == 0)
        run_child(program, cwd, env, args,
                  how == eChildInput::dev_null ? open("/dev/null", O_RDONLY) : in[0], out[1],
                  err[1]);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    if (!input.empty() && write(in[1], input.data(), input.size()) < 0)
        throw std::runtime_error("cannot write the child's input");
    if (how == eChildInput::silent_pipe)
        input_ = in[1];
    else
        close(in[1]);
    out_reader_ = std::thread(&cChildProcess::read_stream, this, out[0], &out_);
    err_reader_ = std::thread(&cChildProcess::read_stream, this, err[0], &err_);
}

cChildProcess::~cChildProcess() {
    if (!exited_ && pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status_, 0);
    }
    if (input_ >= 0)
        close(input_);
    join_readers();
}

void cChildProcess::join_readers() {
    if (out_reader_.joinable())
        out_reader_.join();
    if (err_reader_.joinable())
        err_reader_.join();
}

void cChildProcess::read_stream(int fd, std::string* into) {
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) {
        std::lock_guard<std::mutex> lock(mutex_);
        into->append(buffer, static_cast<size_t>(n));
    }
    close(fd);
}

bool cChildProcess::wait_for_out(const std::string& text, double seconds) {
    for (const auto start = Clock::now(); !out_of_time(start, seconds);) {
        if (out().find(text) != std::string::npos)
            return true;
        usleep(20000);
    }
    return false;
}

int cChildProcess::wait_exit(double seconds) {
    for (const auto start = Clock::now(); !exited_; usleep(20000)) {
        if (waitpid(pid_, &status_, WNOHANG) == pid_)
            exited_ = true;
        else if (out_of_time(start, seconds))
            return -1000;
    }
    join_readers(); // the output is complete once the pipes are closed
    return WIFEXITED(status_) ? WEXITSTATUS(status_) : 128 + WTERMSIG(status_);
}

std::string cChildProcess::out() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return out_;
}

std::string cChildProcess::err() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return err_;
}

void make_demo_tree(const std::string& root, const std::string& project_root) {
    namespace fs = std::filesystem;
    for (const char* dir : {"bin", "data/music", "data/script"})
        fs::create_directories(fs::path(root) / dir);
    fs::create_directory_symlink(fs::path(project_root) / "src", fs::path(root) / "src");
    for (const char* shared : {"data/textures", "data/models"})
        if (fs::exists(fs::path(project_root) / shared))
            fs::create_directory_symlink(fs::path(project_root) / shared, fs::path(root) / shared);
}
