#include "GlErrors.h"

#include "base/Messages.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <IL/il.h>
#include <IL/ilu.h>

bool check_gl_error(const std::string& context) {
    const GLenum code = glGetError();
    if (code == GL_NO_ERROR)
        return false;
    msg_err() << "## ERROR: OpenGL ";
    if (!context.empty())
        msg_err() << " " << context;
    const GLubyte* text = gluErrorString(code);
    msg_err() << ": " << (text ? reinterpret_cast<const char*>(text) : "unknown error")
              << std::endl;
    return true;
}

bool check_il_error() {
    bool any = false;
    for (ILenum code = ilGetError(); code != IL_NO_ERROR; code = ilGetError()) {
        msg_err() << "## ERROR: OpenIL Error " << static_cast<unsigned>(code) << ": "
                  << iluErrorString(code) << std::endl;
        any = true;
    }
    return any;
}
