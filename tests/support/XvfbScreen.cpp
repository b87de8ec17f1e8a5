#include "support/XvfbScreen.h"

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

cXvfbScreen::cXvfbScreen(int width, int height) {
    int number[2];
    if (pipe2(number, O_CLOEXEC) != 0)
        return;
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    pid_ = fork();
    if (pid_ == 0) {
        // The server picks a free display and writes its number to this descriptor.
        const int fd = dup(number[1]);
        const std::string fd_text = std::to_string(fd);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 1);
        dup2(quiet, 2);
        execlp("Xvfb", "Xvfb", "-displayfd", fd_text.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(number[1]);
    char text[16] = {};
    ssize_t got = 0;
    for (ssize_t n; got < ssize_t(sizeof text - 1) &&
                    (n = read(number[0], text + got, sizeof text - 1 - size_t(got))) > 0;) {
        got += n;
        if (text[got - 1] == '\n')
            break;
    }
    close(number[0]);
    if (got > 1 && text[got - 1] == '\n')
        name_ = ":" + std::string(text, size_t(got - 1));
}

cXvfbScreen::~cXvfbScreen() {
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}
