#include "toolkit/TweakVars.h"

#include "toolkit/cGuiSlider.h"
#include "toolkit/cGuiVec3Slider.h"
#include "toolkit/cVar.h"

#include <memory>

namespace {

// Sliders are as wide as the list is high at the time they are added.
template <class W> std::unique_ptr<W> sized(const cGuiVarList& list) {
    auto widget = std::make_unique<W>();
    widget->set_size(list.height(), cGuiVarList::kSliderHeight);
    return widget;
}

template <class T>
void add_slider(cGuiVarList& list, std::string name, T* target, float min, float max) {
    auto slider = sized<cGuiSlider>(list);
    slider->set_range(min, max);
    slider->value = static_cast<float>(*target);
    list.add(std::make_unique<cVar<T>>(std::move(name), target), std::move(slider));
    list.request_layout();
}

template <class T> void add_label(cGuiVarList& list, std::string name, T* target) {
    list.add(std::make_unique<cVar<T>>(std::move(name), target), std::make_unique<cGuiTxtLabel>());
}

} // namespace

void add_var(cGuiVarList& list, std::string name, float* target, float min, float max) {
    add_slider(list, std::move(name), target, min, max);
}

void add_var(cGuiVarList& list, std::string name, int* target, int min, int max) {
    add_slider(list, std::move(name), target, static_cast<float>(min), static_cast<float>(max));
}

void add_var(cGuiVarList& list, std::string name, Vec3f* target, float min, float max) {
    auto sliders = sized<cGuiVec3Slider>(list);
    sliders->set_range(min, max);
    for (int k = 0; k < 3; ++k)
        sliders->slider(k).value = (*target)[k];
    list.add(std::make_unique<cVar<Vec3f>>(std::move(name), target), std::move(sliders));
    list.request_layout();
}

void add_watch(cGuiVarList& list, std::string name, int* target) {
    add_label(list, std::move(name), target);
}

void add_watch(cGuiVarList& list, std::string name, float* target) {
    add_label(list, std::move(name), target);
}

void add_watch(cGuiVarList& list, std::string name, unsigned* target) {
    add_label(list, std::move(name), target);
}

void register_camera_vars(cGuiVarList& list, cCamera& camera, float min, float max) {
    add_var(list, "cam-eye", &camera.eye, min, max);
    add_var(list, "cam-its", &camera.interest, min, max);
    add_var(list, "cam-fov", &camera.fov, 20.0f, 160.0f);
}

void add_cut_vars(cGuiVarList& list, cCutLevels& cut) {
    add_var(list, "pre-cut", &cut.pre_cut, 0.0f, 255.0f);
    add_var(list, "post-cut", &cut.post_cut, 0.0f, 255.0f);
}

void add_levels_vars(cGuiVarList& list, cLevelsParams& levels) {
    add_var(list, "inBlack", &levels.inBlack, 0.0f, 255.0f);
    add_var(list, "inWhite", &levels.inWhite, 0.0f, 255.0f);
    add_var(list, "Gamma", &levels.Gamma, 0.0f, 4.0f);
    add_var(list, "outBlack", &levels.outBlack, 0.0f, 255.0f);
    add_var(list, "outWhite", &levels.outWhite, 0.0f, 255.0f);
}

void add_hsb_vars(cGuiVarList& list, cHsbParams& hsb) {
    add_var(list, "hue", &hsb.hue, -180.0f, 180.0f);
    add_var(list, "saturation", &hsb.saturation, -100.0f, 100.0f);
    add_var(list, "brightness", &hsb.brightness, -100.0f, 100.0f);
}

void add_glow_vars(cGuiVarList& list, cGlowParams& glow) {
    add_var(list, "distance", &glow.distance, 0.0f, 5.0f);
    add_var(list, "layers", &glow.layers, 1, 500);
    add_var(list, "multiplier", &glow.multiplier, 0.0f, 5.0f);
}
