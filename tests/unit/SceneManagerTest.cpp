#include "platform/PerfCounter.h"
#include "support/Capture.h"
#include "timeline/cSceneManager.h"

#include <gtest/gtest.h>

namespace {

// A scene that writes every call it receives into a shared log.
class cLogScene : public cScene {
public:
    cLogScene(cDemoTime* time, int id, std::vector<std::string>* log)
        : cScene(time), id_(id), log_(log) {}
    ~cLogScene() override { note("delete"); }
    std::string get_name() override { return "log" + std::to_string(id_); }
    void load() override { note("load"); }
    void init() override { note("init"); }
    void deinit() override { note("deinit"); }
    void draw() override { note("draw"); }
    void handle_event(cEvent* e) override { note("event" + std::to_string(e->type)); }
    void update() override { note("update"); }

    bool echo = false; // also print each call, for tests that end the process

private:
    void note(const std::string& what) {
        log_->push_back(what + std::to_string(id_));
        if (echo)
            std::fprintf(stderr, "%s%d\n", what.c_str(), id_);
    }
    int id_;
    std::vector<std::string>* log_;
};

// A clock that stands still until the test moves it, in microseconds.
class cFakeClock : public iClockSource {
public:
    uint64_t counter() override { return now; }
    uint64_t frequency() override { return 1000000; }
    void sleep_ms(uint32_t ms) override { now += ms * 1000ull; }
    uint64_t now = 0;
};

class SceneManagerTest : public ::testing::Test {
protected:
    SceneManagerTest() {
        for (int i = 0; i < 7; ++i)
            manager.add_scene(new cLogScene(&manager.demo_time(), i, &log));
        manager.set_event_queue(new cEventQueue());
        set_clock_source(&clock);
        manager.demo_time().start();
    }
    ~SceneManagerTest() override { set_clock_source(nullptr); }

    // Puts events on the timeline; times in ms of demo time.
    void timeline(std::initializer_list<std::pair<int, int>> events) {
        for (auto [type, time] : events)
            manager.event_queue()->add(new cEvent(type, time));
        manager.event_queue()->sort();
    }
    // Runs one frame at `demo_ms`, with demo time 0 at clock 0.
    bool frame_at(int demo_ms) {
        clock.now = static_cast<uint64_t>(demo_ms) * 1000;
        return manager.frame_update();
    }

    std::vector<std::string> log;
    cFakeClock clock;
    cSceneManager manager;
};

using Log = std::vector<std::string>;

} // namespace

TEST_F(SceneManagerTest, SwitchesOnDueEventsAndForwardsTheRest) {
    timeline({{3, 100}, {16, 150}, {31, 150}, {30, 200}, {5, 200}, {1, 200}});
    EXPECT_FALSE(frame_at(100)); // due only once demo time exceeds the event's time
    EXPECT_EQ(log, Log{});
    EXPECT_TRUE(frame_at(101));
    EXPECT_EQ(log, (Log{"init3", "update3"}));
    log.clear();
    EXPECT_FALSE(frame_at(151));
    EXPECT_EQ(log, (Log{"event163", "event313", "update3"}));
    log.clear();
    // Several switches in one frame each run; the last one stays current.
    EXPECT_TRUE(frame_at(500));
    EXPECT_EQ(log, (Log{"event303", "deinit3", "init5", "deinit5", "init1", "update1"}));
    EXPECT_EQ(manager.current_scene(), manager.scenes()[1]);
}

TEST_F(SceneManagerTest, AMissingSceneNumberShowsTheFallbackWithoutInit) {
    manager.set_fallback(new cLogScene(&manager.demo_time(), 99, &log));
    timeline({{9, 0}, {3, 10}, {12, 20}, {16, 25}});
    cCapture capture;
    frame_at(5);
    cScene* fallback = manager.current_scene();
    EXPECT_EQ(fallback->get_name(), "log99");
    EXPECT_EQ(capture.err(), "## ERROR: tried to switch to scene9, but it's not added. In "
                             "cSceneManager::switch_scene\n");
    frame_at(30);
    EXPECT_EQ(manager.current_scene(), fallback); // the same one for every missing number
    EXPECT_EQ(log, (Log{"update99", "deinit99", "init3", "deinit3", "event1699", "update99"}));
}

TEST_F(SceneManagerTest, ReportsEventsNobodyHandlesAndFramesWithoutAScene) {
    timeline({{13, 0}, {29, 0}, {40, 0}});
    cCapture capture;
    frame_at(1); // 29 reaches no scene: there is none yet
    manager.draw_current();
    EXPECT_EQ(capture.err(), "unhandled demo_event: 13\nunhandled demo_event: 40\n"
                             "# warning, no scene selected in cSceneManager::draw_current\n");
}

TEST_F(SceneManagerTest, QuitEndsTheProcessBeforeTheFramesUpdate) {
    timeline({{2, 0}, {32, 50}});
    frame_at(10);
    static_cast<cLogScene*>(manager.current_scene())->echo = true;
    EXPECT_EXIT(
        {
            frame_at(60);
            std::fprintf(stderr, "still running\n");
        },
        ::testing::ExitedWithCode(0), "^$");
}

TEST_F(SceneManagerTest, ClockTruncatesTowardZeroAndPlaybackStartsItLate) {
    EXPECT_EQ(cDemoTime::clock_ms(1999999, 1000000), 1999);
    EXPECT_EQ(cDemoTime::clock_ms(2000000, 1000000), 2000);
    EXPECT_EQ(cDemoTime::clock_ms(3, 3000), 1);

    timeline({{4, 0}});
    clock.now = 7000000;
    cCapture capture;
    manager.start_playback();
    EXPECT_EQ(manager.demo_time().demo_time(), -200);
    clock.now += 150000;
    manager.frame_update();
    EXPECT_EQ(manager.current_scene(), nullptr); // demo time -50: nothing at 0 is due
    clock.now += 51000;
    manager.frame_update();
    manager.frame_update(); // same millisecond: a frame of length 0
    EXPECT_EQ(manager.demo_time().frame_ms(), 0);
    EXPECT_EQ(manager.current_scene(), manager.scenes()[4]);
    EXPECT_EQ(capture.out().rfind("# corrected for audio-latency: 200ms\n", 0), 0u);
}

TEST_F(SceneManagerTest, DestructionDeletesEveryScene) {
    {
        cSceneManager owner;
        owner.add_scene(new cLogScene(&owner.demo_time(), 8, &log));
        owner.add_scene(new cLogScene(&owner.demo_time(), 9, &log));
    }
    EXPECT_EQ(log, (Log{"delete8", "delete9"}));
}
