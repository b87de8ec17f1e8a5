#include "cBakeLoader.h"

#include "BakeFile.h"
#include "base/Pi.h"
#include "cBakeOutline.h"
#include "cBakeShapes.h"
#include "cBakeSweep.h"
#include "cBzObjWriter.h"

#include <cmath>

namespace {

// Every mesh is drawn with one texture or one colour: a single group.
cBakeMesh single_group(const cBakeMesh& part) {
    cBakeMesh mesh;
    mesh.add_group(part, cMaterial("loader"));
    return mesh;
}

void write(const std::string& data_dir, const char* file, const cBakeMesh& mesh) {
    const cBakeFile out(data_dir, std::string("models/loader/") + file);
    cBzObjWriter::write(single_group(mesh), out.path());
    out.report();
}

} // namespace

cBakeMesh cBakeLoader::panel() {
    const float width = kPanelRight - kPanelLeft, depth = kPanelFront - kPanelBack;
    const Vec3f centre((kPanelLeft + kPanelRight) / 2, 0, (kPanelBack + kPanelFront) / 2);
    cBakeMesh top = cBakeShapes::plane(width, depth);
    top.translate(centre);
    // The body sits a hair under the top so the two never fight for depth.
    cBakeMesh body = cBakeShapes::box({width, 4.0f, depth});
    body.translate(centre + Vec3f(0, -2.02f, 0));
    for (cTexCoord& uv : body.texcoords)
        uv = {0.02f, 0.02f}; // the dark rim of the panel texture
    top.append(body);
    return top;
}

cBakeMesh cBakeLoader::knob() {
    // Base rim, slightly tapering knurled side, rounded shoulder, flat top.
    const cBakeOutline profile({{0, 0.6f},
                                {kKnobRadius, 0.6f},
                                {kKnobRadius + 0.2f, 1.2f},
                                {kKnobRadius - 0.5f, 6.4f},
                                {kKnobRadius - 1.2f, 7.4f},
                                {kKnobRadius - 2.0f, 7.7f},
                                {0, 7.7f}},
                               false);
    cBakeMesh knob = cBakeSweep::lathe(profile, 96);
    // The texture is clamped, and a clamped edge fades into the border colour:
    // keep the seam half a texel inside.
    const float inset = 0.5f / 256.0f;
    for (cTexCoord& uv : knob.texcoords)
        uv.u = inset + uv.u * (1 - 2 * inset);
    // The pointer: a white bar from the centre to the rim, on the top face.
    const float a = kPointerDegrees * kPi / 180;
    const Vec3f dir(std::cos(a), 0, std::sin(a));
    cBakeMesh pointer = cBakeShapes::box({0.9f, 0.5f, kKnobRadius - 2.6f});
    pointer.rotate({0, 1, 0}, 90.0f - kPointerDegrees);
    pointer.translate(dir * ((kKnobRadius - 2.6f) / 2 + 0.9f) + Vec3f(0, 7.8f, 0));
    for (cTexCoord& uv : pointer.texcoords)
        uv = {0.5f, 0.005f}; // the knob texture's white bottom band
    knob.append(pointer);
    return knob;
}

cBakeMesh cBakeLoader::skirt() {
    const cBakeOutline profile({{0, 0.0f},
                                {kKnobRadius + 1.8f, 0.0f},
                                {kKnobRadius + 1.8f, 0.4f},
                                {kKnobRadius + 0.3f, 1.4f},
                                {0, 1.4f}},
                               false);
    return cBakeSweep::lathe(profile, 96);
}

cBakeMesh cBakeLoader::indicator() {
    cBakeMesh row;
    for (int i = 0; i < 12; ++i) {
        cBakeMesh segment = cBakeShapes::box({2.4f, 0.8f, 1.6f});
        segment.translate({-61.0f + 3.3f * static_cast<float>(i), 0.4f, -8.0f});
        row.append(segment);
    }
    return row;
}

cBakeMesh cBakeLoader::led() {
    cBakeMesh dome = cBakeShapes::sphere(1.5f, 24, 12);
    dome.scale({1, 0.6f, 1});
    dome.translate({-16.0f, 0, -16.0f});
    return dome;
}

void cBakeLoader::bake(const std::string& data_dir) {
    write(data_dir, "bass_knob.bzobj", knob());
    write(data_dir, "bass_sort.bzobj", skirt());
    write(data_dir, "bass_indicator.bzobj", indicator());
    write(data_dir, "bass_led.bzobj", led());
    write(data_dir, "bass_panel.bzobj", panel());
}
