// Runs a program of the project as its own process, the way a user would:
// a working directory, standard input as a script, a silent tool or a desktop
// gives it, both output streams read as they come, and the exit code.
#pragma once

#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Standard input: a pipe closed after the input (a script), a pipe that
// stays open and silent after it, or /dev/null (a desktop launch).
enum class eChildInput { script, silent_pipe, dev_null };

// A process still running at the end is killed.
class cChildProcess {
public:
    cChildProcess(const std::string& program, const std::string& cwd, const std::string& input,
                  const std::vector<std::string>& env = {}, eChildInput how = eChildInput::script,
                  const std::vector<std::string>& args = {});
    ~cChildProcess();
    cChildProcess(const cChildProcess&) = delete;
    cChildProcess& operator=(const cChildProcess&) = delete;

    // Waits until standard output holds `text`; false after `seconds`.
    bool wait_for_out(const std::string& text, double seconds);
    // The exit code (signals as 128 + number); -1000 if still running after `seconds`.
    int wait_exit(double seconds);

    std::string out() const;
    int pid() const { return pid_; }
    std::string err() const;

private:
    void read_stream(int fd, std::string* into);
    void join_readers();

    int pid_ = -1;
    int input_ = -1; // the silent pipe's end, held until the child is gone
    int status_ = -1;
    bool exited_ = false;
    mutable std::mutex mutex_;
    std::string out_;
    std::string err_;
    std::thread out_reader_;
    std::thread err_reader_;
};

// A tree to run a program of the project in: bin/ as its working directory, data/music and
// data/script for the test's own files, and the project's shader sources, baked pictures and
// models linked in from `project_root`.
void make_demo_tree(const std::string& root, const std::string& project_root);
