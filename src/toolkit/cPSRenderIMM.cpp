#include "toolkit/cPSRenderIMM.h"

#include <GL/gl.h>

void cPSRenderIMM::render(const cParticleSystem& system) {
    // A life of 0 would make every grey level a division by zero.
    const float scale = system.life > 0.0f ? 1.0f / system.life : 0.0f;
    glBegin(GL_POINTS);
    system.for_each_alive([&](size_t i) {
        const float g = scale > 0.0f ? system.remaining_life[i] * scale : 1.0f;
        glColor3f(g, g, g);
        const Vec3f& p = system.positions[i];
        glVertex3f(p.x, p.y, p.z);
    });
    glEnd();
}
