#include "SceneList.h"

#include "scenes/cSceneDummy.h"
#include "scenes/credits/cSceneCredits.h"
#include "scenes/end/cSceneEnd.h"

void add_scenes(cSceneManager& manager) {
    cDemoTime* time = &manager.demo_time();
    manager.set_fallback(new cSceneDummy(time));
    for (int number = 0; number < kSceneCount; ++number) {
        if (number == kEndScene)
            manager.add_scene(new cSceneEnd(time));
        else if (number == 5) // the credits room
            manager.add_scene(new cSceneCredits(time));
        else
            manager.add_scene(new cSceneDummy(time));
    }
}
