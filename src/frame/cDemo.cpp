#include "cDemo.h"

#include <stdexcept>

namespace {
bool g_demo_exists = false;
} // namespace

cDemo::cDemo() {
    if (g_demo_exists)
        throw std::runtime_error("only a single demo allowed at any one time...");
    g_demo_exists = true;
}

cDemo::~cDemo() {
    g_demo_exists = false;
}
