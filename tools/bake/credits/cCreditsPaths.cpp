#include "cCreditsPaths.h"

#include "cBakeCameraPath.h"
#include "cBakeShapes.h"

namespace {

Vec3f at(float radius, float degrees, float y) {
    return cBakeShapes::polar(radius, degrees, y);
}

Vec3f mid(const Vec3f& a, const Vec3f& b) {
    return (a + b) * 0.5f;
}

} // namespace

std::vector<cBakePathKey> cCreditsPaths::move(const Vec3f& from, const Vec3f& via, const Vec3f& to,
                                              const Vec3f& look0, const Vec3f& look1) {
    const cBakeSpline look({look0, mid(look0, look1), look1});
    return cBakeCameraPath(cBakeSpline({from, via, to}), look).keys(kKeys);
}

std::vector<cBakePathFile> cCreditsPaths::all() {
    const Vec3f logo(0, 250, 0);
    std::vector<cBakePathFile> list;
    list.push_back({"cam01.pth", move(at(500, 171, 366), at(492, 165, 356), at(480, 158, 342),
                                      {0, 150, -185}, {0, 190, -120})});
    list.push_back({"cam02.pth", move(at(305, 88, 112), at(307, 98, 118), at(305, 110, 126), logo,
                                      {0, 270, 0})});
    list.push_back({"cam03.pth", move(at(200, 250, 520), at(205, 265, 530), at(200, 282, 540),
                                      {0, 60, 0}, {20, 70, 0})});
    list.push_back({"cam04.pth", move(at(560, 298, 300), at(575, 311, 318), at(580, 324, 332),
                                      at(720, 318, 400), at(720, 333, 430))});
    list.push_back(
        {"cam05.pth", move(at(620, 45, 250), at(500, 45, 242), at(370, 45, 232), logo, logo)});
    list.push_back({"cam06.pth",
                    move(at(185, 0, 250), at(188, 20, 262), at(185, 40, 272), logo, {0, 255, 0})});
    list.push_back({"cam07.pth", move(at(520, 196, 90), at(530, 205, 100), at(545, 214, 112),
                                      at(400, 202.5f, 170), at(400, 202.5f, 200))});
    list.push_back({"cam08.pth", move(at(310, 135, 120), at(310, 142, 210), at(310, 150, 300), logo,
                                      {0, 120, 0})});
    return list;
}
