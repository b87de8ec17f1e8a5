// A colour grade through a lookup image: each channel of the picture is replaced by the
// table's entry for its value. The table is one texture, loaded once when the grade is made
// and never changed; applying it leaves the caller's shader and units as they were.
#pragma once

#include "render/cTextureDesc.h"
#include "render/iRenderTarget.h"

#include <string>

class cColorCorrection {
public:
    // `lookup` names an image on the search paths, normally 256 x 1 (a 1D table).
    explicit cColorCorrection(const std::string& lookup);

    // The source graded into the current framebuffer.
    void apply(iRenderTarget& source) const;

    const cTextureDesc& lookup() const { return lookup_; }

private:
    cTextureDesc lookup_;
};
