#include "cCreditsSunPaths.h"

#include "cBakeCameraPath.h"
#include "cBakeShapes.h"

namespace {

const Vec3f kSun(0, 175, 0); // where the scene hangs the sun

Vec3f at(float radius, float degrees, float y) {
    return cBakeShapes::polar(radius, degrees, y);
}

} // namespace

std::vector<cBakePathKey> cCreditsSunPaths::move(const Vec3f& from, const Vec3f& via,
                                                 const Vec3f& to) {
    return cBakeCameraPath(cBakeSpline({from, via, to}), cBakeSpline({kSun, kSun}))
        .set_eased(true)
        .keys(kKeys);
}

std::vector<cBakePathFile> cCreditsSunPaths::all() {
    std::vector<cBakePathFile> list;
    list.push_back({"camslow.pth", move(at(560, 165, 320), at(575, 132, 360), at(560, 100, 400))});
    list.push_back({"longpath01.pth", move(at(300, 0, 200), at(305, 35, 230), at(300, 70, 260))});
    list.push_back(
        {"longpath02.pth", move(at(640, 135, 380), at(460, 135, 290), at(290, 135, 220))});
    list.push_back(
        {"longpath03.pth", move(at(520, 200, 120), at(540, 250, 300), at(520, 300, 480))});
    list.push_back({"longpath04.pth", move(at(150, 20, 560), at(200, 65, 500), at(240, 110, 430))});
    return list;
}
