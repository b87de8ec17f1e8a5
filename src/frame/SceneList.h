// The demo's seven scenes in their fixed order: a scene's index in the list is its number on
// the timeline (0 solar flare, 1 sprutte, 2 credits sun, 3 attractor, 4 scrub, 5 credits
// room, 6 end). A scene not built yet holds its place with the grey fallback.
#pragma once

#include "timeline/cSceneManager.h"

constexpr int kSceneCount = 7;
constexpr int kEndScene = 6;
constexpr int kScrubScene = 4;

// Constructs the seven scenes and hands them to the manager in timeline order,
// with the grey fallback for scene numbers beyond the list.
void add_scenes(cSceneManager& manager);
