#include "cCreditsSunArt.h"

#include "PaintMath.h"
#include "cBakeShapes.h"
#include "cCanvas.h"
#include "cPaintNoise.h"

#include <cmath>

std::vector<uint8_t> cCreditsSunArt::mask_band() {
    cCanvas canvas(kMaskWidth, kMaskHeight);
    for (int y = 0; y < kMaskHeight; ++y) // y counts file rows, from the bottom
        for (int x = 0; x < kMaskWidth; ++x) {
            const float fx = float(x), fy = float(y);
            // value noise octaves over lattices of 160 and 40 pixels
            const float fray = 60 * (cPaintNoise::fbm(fx / 160, fy / 160, 5, 11) - 0.5f);
            const float d = std::fabs(fy + fray - kMaskHeight / 2.0f);
            const float band = 1 - smoothstep(90, 230, d);
            const float grain = (cPaintNoise::hash01(x, y, 5) - 0.5f) * 0.03f;
            const float detail = cPaintNoise::fbm(fx / 40, fy / 40, 5, 23);
            const float v = band * (0.85f + 0.15f * detail) + grain;
            canvas.at(x, kMaskHeight - 1 - y) = {v, v, v};
        }
    return canvas.bytes();
}

cBakeMesh cCreditsSunArt::sphere() {
    return cBakeShapes::sphere(29, 64, 32);
}
