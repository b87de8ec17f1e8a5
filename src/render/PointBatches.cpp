#include "PointBatches.h"

#include <algorithm>

void draw_points_in_batches(GLint first, GLsizei count) {
    for (GLsizei done = 0; done < count; done += kPointBatch) {
        glDrawArrays(GL_POINTS, first + done, std::min(kPointBatch, count - done));
        glFlush();
    }
}
