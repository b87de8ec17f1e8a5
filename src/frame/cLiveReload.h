// What the running demo (not the capture tool) does for the people working on it: every
// program source it compiled and every picture it decoded is watched, and a changed one is
// compiled or decoded again before the next frame, once its writes have settled.
#pragma once

#include "platform/FileWatch.h"

class cLiveReload {
public:
    // Watches the files the shader and texture managers hold now.
    void start();
    // Reloads every file whose writes have settled.
    void apply();

private:
    cFileWatch watch_;
};
