#include "cBakeCredits.h"

#include "BakeFile.h"
#include "cBakeImage.h"
#include "cBzObjWriter.h"
#include "cCreditsArt.h"
#include "cCreditsPaths.h"
#include "cCreditsRoom.h"
#include "cLogoMesh.h"

#include <set>

void cBakeCredits::write_mesh(const std::string& data_dir, const std::string& file,
                              const cBakeMesh& mesh) {
    const cBakeFile out(data_dir, kFolder + file);
    cBakeMesh single;
    single.add_group(mesh, cMaterial("credits"));
    cBzObjWriter::write(single, out.path());
    out.report();
}

void cBakeCredits::bake(const std::string& data_dir) {
    std::set<std::string> written;
    for (bool busted : {false, true})
        for (const cRoomPiece& piece : cCreditsRoom::laid_out(busted))
            if (written.insert(piece.mesh_file).second)
                write_mesh(data_dir, piece.mesh_file, piece.mesh);
    write_mesh(data_dir, "mrl_logo.bzobj", cLogoMesh::build());
    const std::string folder = kFolder;
    const cBakeFile grade(data_dir, folder + "colorcorrection_yellow.png");
    cBakeImage::save_png(grade.path(), 256, 1, 3, cCreditsArt::yellow_grade());
    grade.report();
    const cBakeFile puff(data_dir, folder + "sun_particle_ambientgasses.png");
    cBakeImage::save_png(puff.path(), cCreditsArt::kPuffSize, cCreditsArt::kPuffSize, 4,
                         cCreditsArt::gas_puff());
    puff.report();
    for (const cBakePathFile& path : cCreditsPaths::all()) {
        const cBakeFile out(data_dir, folder + path.file);
        cBakePathWriter::write(path.keys, out.path());
        out.report();
    }
}
