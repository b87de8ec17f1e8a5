// The scene list keeps the timeline's numbering: seven scenes, the end scene at 6, and the
// grey fallback for a scene number beyond the list.
#include "frame/SceneList.h"
#include "support/Capture.h"

#include <gtest/gtest.h>

TEST(SceneListTest, SevenScenesInTimelineOrderWithTheEndSceneLast) {
    cSceneManager manager;
    add_scenes(manager);
    const char* const names[kSceneCount] = {
        "solar flares",  "sprutte",   "greetings", "animated attractors",
        "growing scrub", "greetings", "endscene"};
    ASSERT_EQ(manager.scenes().size(), size_t(kSceneCount));
    for (int number = 0; number < kSceneCount; ++number)
        EXPECT_EQ(manager.scenes()[size_t(number)]->get_name(), names[number]) << number;
    cCapture capture;
    for (int number = 0; number < kSceneCount; ++number) {
        cEvent event;
        event.type = number;
        manager.switch_scene(event);
        EXPECT_EQ(manager.current_scene(), manager.scenes()[size_t(number)]);
    }
    EXPECT_EQ(capture.err(), "") << "every number of the list is a scene";
    cEvent beyond(9, 0), trigger(16, 0);
    manager.switch_scene(beyond);
    manager.current_scene()->handle_event(&trigger);
    EXPECT_EQ(manager.current_scene()->get_name(), "dummy");
    EXPECT_NE(capture.err().find("dummy-scene recieved event: 16\n"), std::string::npos);
}
