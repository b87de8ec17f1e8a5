#include "Messages.h"

#include <iostream>

namespace {
std::ostream* g_out = nullptr;
std::ostream* g_err = nullptr;
} // namespace

std::ostream& msg_out() {
    return g_out ? *g_out : std::cout;
}

std::ostream& msg_err() {
    return g_err ? *g_err : std::cerr;
}

void redirect_messages(std::ostream* out, std::ostream* err) {
    g_out = out;
    g_err = err;
}
