#include "cSceneDummy.h"

#include "base/Messages.h"

#include <GL/gl.h>

void cSceneDummy::draw() {
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void cSceneDummy::handle_event(cEvent* event) {
    msg_err() << "dummy-scene recieved event: " << event->type << std::endl;
}
