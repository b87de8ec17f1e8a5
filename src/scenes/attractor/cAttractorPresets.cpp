#include "cAttractorPresets.h"

namespace {

const cAttractorLook kLooks[cAttractorPresets::kCount] = {
    {{2.75f, 0.806471f, 1.1f, 1.33f},
     0.33f,
     314,
     0.0135216f,
     1.7002f,
     0.0222356f,
     1.65625f,
     1.5f,
     {0.44f, 0.5f, 0.44f}},
    {{-0.887019f, 0.519231f, 0.735577f, 1.55289f},
     0.33f,
     280,
     0.04f,
     1.30469f,
     0.03f,
     1.65625f,
     4.4f,
     {-0.11f, 0.2f, -0.17f}},
    {{1, 0.284401f, 0.71f, 1.51f},
     0.33f,
     213,
     0.02f,
     1.7002f,
     0.0537861f,
     1.65625f,
     2.6f,
     {0.49f, 0.4f, 0.14f}},
    {{-1.45853f, -2.28769f, -2.49519f, 0.822116f},
     0.33f,
     250,
     0.0640024f,
     1.30469f,
     0.0537861f,
     1.65625f,
     3.2f,
     {-0.71f, 0.6f, -0.13f}},
    {{1.77394f, 1.8f, 0.71f, 1.51f},
     0.33f,
     0,
     0.0640024f,
     1.30469f,
     0.0537861f,
     1.65625f,
     1.5f,
     {0.5f, 0.4f, 0.5f}},
    {{-1.99f, -1.63f, 0.44f, 1.49f},
     0.33f,
     -30,
     0.0640024f,
     1.30469f,
     0.0537861f,
     1.65625f,
     1.4f,
     {-0.49f, 0.56f, -0.41f}},
    {{-1.63882f, -2.22476f, -2.80168f, 0.155048f},
     0.33f,
     0,
     0.0640024f,
     1.30469f,
     0.0537861f,
     1.65625f,
     2.5f,
     {-0.84f, 0.59f, -0.63f}},
    {{1, 1.8f, 0.71f, 1.49017f},
     0.33f,
     155.875f,
     0.02f,
     1.7002f,
     0.0537861f,
     1.65625f,
     1.55f,
     {0.3f, 0.45f, 0.3f}},
    {{1, 1.8f, 1.04485f, 1.54f},
     0.6f,
     109,
     0.0649038f,
     1.90527f,
     0.03f,
     1.65625f,
     3.5f,
     {0.14f, 0.5f, 0.27f}},
};

bool valid(int preset) {
    return preset >= 0 && preset < cAttractorPresets::kCount;
}

// value moves by rate * seconds; past `bound` (above it for a rising value, below for a
// falling one) it starts again at `wrap`.
void drift_one(float& value, float rate, float seconds, float bound, float wrap) {
    value += rate * seconds;
    if ((rate > 0 && value > bound) || (rate < 0 && value < bound))
        value = wrap;
}

} // namespace

bool cAttractorPresets::apply_if_changed(int preset, int& applied, cAttractorLook& look) {
    if (preset == applied || !valid(preset))
        return false;
    apply(preset, look);
    applied = preset;
    return true;
}

void cAttractorPresets::apply(int preset, cAttractorLook& look) {
    if (valid(preset))
        look = kLooks[preset];
}

void cAttractorPresets::drift(int preset, float seconds, cAttractorLook& look) {
    cAttractorParams& p = look.params;
    switch (preset) {
    case 0:
        drift_one(p.b, 0.015f, seconds, 0.9f, 0.7f);
        break;
    case 1:
        drift_one(p.a, -0.3f, seconds, -3.03846f, -0.887019f);
        break;
    case 2:
        drift_one(p.b, 0.045f, seconds, 1.9f, 0.25f);
        break;
    case 3:
        drift_one(p.d, 0.045f, seconds, 1.13f, 0.822f);
        break;
    case 4:
        drift_one(p.a, 0.1f, seconds, 2.0f, 1.773f);
        break;
    case 5:
        drift_one(p.a, 0.2f, seconds, -1.19f, -1.63f);
        break;
    case 6:
        drift_one(p.c, -0.05f, seconds, -2.85577f, -2.22476f);
        drift_one(p.d, 0.05f, seconds, 1.09255f, 0.155048f);
        break;
    case 7:
        drift_one(p.d, 0.006f, seconds, 1.54f, 1.485f);
        break;
    case 8:
        drift_one(p.c, 0.09f, seconds, 1.85f, 0.6f);
        break;
    default:
        break;
    }
}
