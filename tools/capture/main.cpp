// The capture tool's entry: the command line, the outputs checked before
// anything starts, then the demo's own run on a virtual clock. Bad input
// ends it with one "## ERROR: capture:" line and exit code 1.
#include "cCaptureOptions.h"
#include "cCaptureRun.h"
#include "frame/AppSetup.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>

namespace {

// The outputs are named from where the tool was started; where the run then moves to its data,
// they are made absolute first.
sCaptureOptions anchored(sCaptureOptions options) {
    for (std::string* path : {&options.out_dir, &options.sheet, &options.video, &options.stats})
        if (!path->empty())
            *path = std::filesystem::absolute(*path).string();
    return options;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--help") {
        std::fputs(cCaptureOptions::usage(), stdout);
        return 0;
    }
    try {
        // Static: it must outlive the exit handlers that finish the run.
        const sCaptureOptions options = cCaptureOptions::parse(args);
        static cCaptureRun run(data_in_working_folder() ? options : anchored(options));
        enter_data_folder();
        run.check();
        run.run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "## ERROR: capture: %s (see capture --help)\n", e.what());
        return 1;
    }
}
