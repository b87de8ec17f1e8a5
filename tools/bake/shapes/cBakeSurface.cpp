#include "cBakeSurface.h"

#include <stdexcept>

cBakeMesh cBakeSurface::grid(int columns, int rows, const cPointAt& at) {
    if (columns < 1 || rows < 1)
        throw std::invalid_argument("a surface needs at least one column and one row");
    cBakeMesh mesh;
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= columns; ++c) {
            const cSurfacePoint s = at(c, r);
            mesh.add_vertex(s.position, s.normal, s.uv);
        }
    const auto index = [columns](int c, int r) { return uint32_t(r * (columns + 1) + c); };
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            add_solid_triangle(mesh, index(c, r), index(c + 1, r), index(c + 1, r + 1));
            add_solid_triangle(mesh, index(c, r), index(c + 1, r + 1), index(c, r + 1));
        }
    return mesh;
}

void cBakeSurface::add_solid_triangle(cBakeMesh& mesh, uint32_t a, uint32_t b, uint32_t c) {
    const auto& p = mesh.positions;
    if (p[a] == p[b] || p[b] == p[c] || p[c] == p[a])
        return;
    mesh.add_triangle(a, b, c);
}
