// The capture tool's entry: the command line, the outputs checked before
// anything starts, then the demo's own run on a virtual clock. Bad input
// ends it with one "## ERROR: capture:" line and exit code 1.
#include "cCaptureOptions.h"
#include "cCaptureRun.h"

#include <cstdio>
#include <exception>
#include <memory>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--help") {
        std::fputs(cCaptureOptions::usage(), stdout);
        return 0;
    }
    try {
        // Static: it must outlive the exit handlers that finish the run.
        static cCaptureRun run(cCaptureOptions::parse(args));
        run.check();
        run.run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "## ERROR: capture: %s (see capture --help)\n", e.what());
        return 1;
    }
}
