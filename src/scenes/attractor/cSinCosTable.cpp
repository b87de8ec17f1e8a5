#include "cSinCosTable.h"

#include <cmath>

namespace {

// Built during static initialisation, so the first frame finds it ready.
[[maybe_unused]] const cSinCosTable& g_table = cSinCosTable::get();

} // namespace

const cSinCosTable& cSinCosTable::get() {
    static const cSinCosTable table;
    return table;
}

cSinCosTable::cSinCosTable() {
    const double turn = 2.0 * M_PI;
    for (int k = 0; k <= kSteps; ++k) {
        const double coarse_angle = k * turn / kSteps;
        const double fine_angle = k * turn / (double(kSteps) * kSteps);
        coarse[k] = {static_cast<float>(std::sin(coarse_angle)),
                     static_cast<float>(std::cos(coarse_angle))};
        fine[k] = {static_cast<float>(std::sin(fine_angle)),
                   static_cast<float>(std::cos(fine_angle))};
    }
}
