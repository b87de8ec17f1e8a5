// What a cloud of points looks like and where its points are: the colour and alpha added
// for each point over its coverage, the points' size in pixels, and their positions (three
// floats each, `stride` floats apart, in the model space of the matrices they are drawn with).
#pragma once

#include <cstddef>

struct sPointStyle {
    float r = 1, g = 1, b = 1, a = 1;
    float size = 1;
};

struct sPointSource {
    const float* xyz = nullptr;
    size_t stride = 3;
    int count = 0;
};
