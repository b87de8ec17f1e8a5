#include "FuzzSupport.h"

#include "base/Messages.h"
#include "base/ProgramExit.h"

#include <sstream>

namespace {

struct cDesignedExit {
    int code;
};

[[noreturn]] void throw_exit(int code) {
    throw cDesignedExit{code};
}

} // namespace

void run_reader(const std::function<void()>& read) {
    std::ostringstream out, err;
    redirect_messages(&out, &err);
    set_exit_hook(throw_exit);
    try {
        read();
    } catch (const cDesignedExit&) {
        // the reader refused the file the way it is meant to
    }
    set_exit_hook(nullptr);
    redirect_messages(nullptr, nullptr);
}

std::vector<uint8_t> as_bytes(const uint8_t* data, size_t size) {
    return std::vector<uint8_t>(data, data + size);
}
