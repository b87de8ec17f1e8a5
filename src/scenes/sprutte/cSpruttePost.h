// The sprutte's finish: the spill of the picture's bright parts, the orange grade, and laid
// over them a blurred, pale copy of the picture whose alpha is a mask, stronger towards the
// edges; in one pass onto the frame.
#pragma once

#include "render/cTextureDesc.h"
#include "render/iRenderTarget.h"
#include "render/post/cColorCorrection.h"

#include <memory>

class cSpruttePost {
public:
    // The mask and the grade's table.
    void load();
    // The finished picture of `scene` onto the frame, spilled by the current cut levels.
    void apply(iRenderTarget& scene);

private:
    cTextureDesc blur_mask_;
    std::unique_ptr<cColorCorrection> grade_;
};
