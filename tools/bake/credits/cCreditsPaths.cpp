#include "cCreditsPaths.h"

#include "base/Smoothstep.h"
#include "cBakeSpline.h"
#include "cRoomParts.h"

namespace {

Vec3f at(float radius, float degrees, float y) {
    return cRoomParts::polar(radius, degrees, y);
}

Vec3f mid(const Vec3f& a, const Vec3f& b) {
    return (a + b) * 0.5f;
}

} // namespace

std::vector<cBakePathKey> cCreditsPaths::move(const Vec3f& from, const Vec3f& via, const Vec3f& to,
                                              const Vec3f& look0, const Vec3f& look1, bool eased) {
    const cBakeSpline eye({from, via, to});
    const cBakeSpline look({look0, mid(look0, look1), look1});
    std::vector<cBakePathKey> keys;
    for (int k = 0; k < kKeys; ++k) {
        float u = float(k) / float(kKeys - 1);
        if (eased)
            u = smoothstep(u);
        keys.push_back({eye.at(u), look.at(u), {0, 1, 0}});
    }
    return keys;
}

std::vector<cCreditsPath> cCreditsPaths::all() {
    const Vec3f logo(0, 250, 0), sun(0, 175, 0);
    std::vector<cCreditsPath> list;
    // Cuts: the camera is already moving when the picture cuts to it.
    list.push_back({"cam01.pth", move(at(500, 171, 366), at(492, 165, 356), at(480, 158, 342),
                                      {0, 150, -185}, {0, 190, -120}, false)});
    list.push_back({"cam02.pth", move(at(305, 88, 112), at(307, 98, 118), at(305, 110, 126), logo,
                                      {0, 270, 0}, false)});
    list.push_back({"cam03.pth", move(at(200, 250, 520), at(205, 265, 530), at(200, 282, 540),
                                      {0, 60, 0}, {20, 70, 0}, false)});
    list.push_back({"cam04.pth", move(at(560, 298, 300), at(575, 311, 318), at(580, 324, 332),
                                      at(720, 318, 400), at(720, 333, 430), false)});
    list.push_back({"cam05.pth",
                    move(at(620, 45, 250), at(500, 45, 242), at(370, 45, 232), logo, logo, false)});
    list.push_back({"cam06.pth", move(at(185, 0, 250), at(188, 20, 262), at(185, 40, 272), logo,
                                      {0, 255, 0}, false)});
    list.push_back({"cam07.pth", move(at(520, 196, 90), at(530, 205, 100), at(545, 214, 112),
                                      at(400, 202.5f, 170), at(400, 202.5f, 200), false)});
    list.push_back({"cam08.pth", move(at(310, 135, 120), at(310, 142, 210), at(310, 150, 300), logo,
                                      {0, 120, 0}, false)});
    // The drift while the sun grows.
    list.push_back({"camslow.pth",
                    move(at(560, 165, 320), at(575, 132, 360), at(560, 100, 400), sun, sun, true)});
    // Long moves, eased at both ends so that they play backwards as smoothly.
    list.push_back({"longpath01.pth",
                    move(at(300, 0, 200), at(305, 35, 230), at(300, 70, 260), sun, sun, true)});
    list.push_back({"longpath02.pth",
                    move(at(640, 135, 380), at(460, 135, 290), at(290, 135, 220), sun, sun, true)});
    list.push_back({"longpath03.pth",
                    move(at(520, 200, 120), at(540, 250, 300), at(520, 300, 480), sun, sun, true)});
    list.push_back({"longpath04.pth",
                    move(at(150, 20, 560), at(200, 65, 500), at(240, 110, 430), sun, sun, true)});
    return list;
}
