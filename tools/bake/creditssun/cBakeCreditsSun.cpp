#include "cBakeCreditsSun.h"

#include "BakeFile.h"
#include "cBakeImage.h"
#include "cBzObjWriter.h"
#include "cCreditsSunArt.h"
#include "cCreditsSunPaths.h"

void cBakeCreditsSun::bake(const std::string& data_dir) {
    const std::string folder = kFolder;
    const cBakeFile sphere(data_dir, folder + "credit_sphere.bzobj");
    cBakeMesh single; // one group, drawn in a single call with the credits material
    single.add_group(cCreditsSunArt::sphere(), cMaterial("credits"));
    cBzObjWriter::write(single, sphere.path());
    sphere.report();
    const cBakeFile mask(data_dir, folder + "maskband_fullsize.jpg");
    cBakeImage::save_jpeg(mask.path(), cCreditsSunArt::kMaskWidth, cCreditsSunArt::kMaskHeight,
                          cCreditsSunArt::mask_band());
    mask.report();
    for (const cBakePathFile& path : cCreditsSunPaths::all()) {
        const cBakeFile out(data_dir, folder + path.file);
        cBakePathWriter::write(path.keys, out.path());
        out.report();
    }
}
