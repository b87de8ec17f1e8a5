// Large point clouds drawn in batches, each handed to the renderer as soon as it is set up:
// the software renderer then fills one batch's points on its own threads while the next is
// set up on the caller's, and each batch's bins stay small. The picture is the same.
#pragma once

#include <GL/gl.h>

// Points per batch: a few thousand keep both sides busy (fewer add more hand-offs than they
// save, many more leave the filling threads idle while the points are set up).
constexpr GLsizei kPointBatch = 2048;

// glDrawArrays(GL_POINTS, first, count) from the bound arrays, batch by batch, in order.
void draw_points_in_batches(GLint first, GLsizei count);
