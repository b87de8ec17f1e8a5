// The tune on the demo's timeline: its MIDI file read by the demo's own
// reader, merged with the hand-written event script, must give every scene
// the kicks, beats and accents its counted behaviours need, inside its section.
#include "PulseTune.h"
#include "cMidiWriter.h"
#include "support/Capture.h"
#include "timeline/cEventQueue_factory.h"
#include "timeline/cMECtrlChange.h"
#include "timeline/cMETrigger.h"
#include "timeline/cMidiReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

const std::filesystem::path kRoot = std::filesystem::path(DEMO_BINARY).parent_path().parent_path();
constexpr double kBeatMs = 508.475; // 118 bpm

enum { kAttractor = 3, kFlare = 0, kSprutte = 1, kScrub = 4, kRoom = 5, kSun = 2, kEnd = 6 };

// One stretch of the timeline between two scene switches, with the events
// the scene manager hands to that scene.
struct Visit {
    int scene = -1;
    int32_t from = 0, to = 0;
    std::vector<const cEvent*> events;

    std::vector<int32_t> note_ons(int track) const {
        std::vector<int32_t> times;
        for (const cEvent* e : events)
            if (const auto* n = dynamic_cast<const cMETrigger*>(e))
                if (n->is_note_on() && n->track == track)
                    times.push_back(n->time);
        return times;
    }
    std::vector<int32_t> beat_times() const {
        std::vector<int32_t> times;
        for (const cEvent* e : events)
            if (e->type == cEvent::kBeat)
                times.push_back(e->time);
        return times;
    }
    int beats() const { return int(beat_times().size()); }
    std::vector<int> controls(int controller) const {
        std::vector<int> values;
        for (const cEvent* e : events)
            if (const auto* c = dynamic_cast<const cMECtrlChange*>(e))
                if (c->data1 == controller)
                    values.push_back(c->data2);
        return values;
    }
};

class TuneTimeline : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        queue_ = new cEventQueue();
        cCapture quiet;
        std::ifstream script(kRoot / "data/script/markers.txt");
        ASSERT_TRUE(script) << "no event script";
        cEventQueue_factory::parse(script, *queue_);
        cMidiReader::read_bytes(cMidiWriter::bytes(cPulseTune::compose()), *queue_);
        split();
    }
    static void TearDownTestSuite() {
        delete queue_;
        visits_.clear();
    }

    // Walks the timeline as the scene manager dispatches it.
    static void split() {
        for (size_t i = 0; i < queue_->size(); ++i) {
            const cEvent* e = queue_->at(i);
            if (e->type >= 0 && e->type <= cEvent::kLastScene) {
                if (!visits_.empty())
                    visits_.back().to = e->time;
                visits_.push_back({e->type, e->time, e->time, {}});
            } else if (e->type == cEvent::kQuit) {
                quit_ = e->time;
                if (!visits_.empty())
                    visits_.back().to = e->time;
            } else if (!visits_.empty() && quit_ < 0) {
                visits_.back().events.push_back(e);
            }
        }
    }

    static const Visit& visit(int scene, int nth = 0) {
        for (const Visit& v : visits_)
            if (v.scene == scene && nth-- == 0)
                return v;
        throw std::runtime_error("scene not on the timeline");
    }

    static cEventQueue* queue_;
    static std::vector<Visit> visits_;
    static int32_t quit_;
};
cEventQueue* TuneTimeline::queue_ = nullptr;
std::vector<Visit> TuneTimeline::visits_;
int32_t TuneTimeline::quit_ = -1;

// The n-th (from 1) time in `times`, or -1.
int32_t nth(const std::vector<int32_t>& times, size_t n) {
    return n >= 1 && n <= times.size() ? times[n - 1] : -1;
}

} // namespace

// Every switch lies a hair before a downbeat, so the kick and the beat on it
// reach the new scene; the music ends just before the quit.
TEST_F(TuneTimeline, ScenesSwitchJustBeforeADownbeat) {
    for (const Visit& v : visits_) {
        const double bars = v.from / (4 * kBeatMs);
        const double off = (std::ceil(bars) - bars) * 4 * kBeatMs;
        EXPECT_LE(off, 6.0) << "switch at " << v.from << " ms";
        if (v.from > 0) {
            EXPECT_GE(off, 1.0) << "switch at " << v.from << " ms";
        }
    }
    const cEvent* last_beat = nullptr;
    for (size_t i = 0; i < queue_->size(); ++i)
        if (queue_->at(i)->type == cEvent::kBeat)
            last_beat = queue_->at(i);
    ASSERT_NE(last_beat, nullptr);
    EXPECT_GT(quit_, last_beat->time);
    EXPECT_LT(quit_, last_beat->time + 500);
}

// The attractor counts beats over both visits: the 16th ends the first one,
// and from the 56th every beat switches a preset before sprutte takes over.
TEST_F(TuneTimeline, AttractorReachesItsFastSwitching) {
    const Visit& first = visit(kAttractor, 0);
    const Visit& second = visit(kAttractor, 1);
    ASSERT_EQ(first.beats(), 16);
    EXPECT_LT(first.to - first.beat_times().back(), int32_t(kBeatMs));
    EXPECT_GE(first.beats() + second.beats(), 56 + 8);
}

// The title shows from 8 s, the glow steps up on the drop at 40.675 s, and
// one impact about a second before the cut whites the picture out.
TEST_F(TuneTimeline, SolarFlareCutsOnItsOwnTimes) {
    const Visit& flare = visit(kFlare);
    EXPECT_NEAR(flare.from, 8000, 500);
    const std::vector<int32_t> kicks = flare.note_ons(1);
    EXPECT_TRUE(std::any_of(kicks.begin(), kicks.end(), [](int32_t t) {
        return t >= 40675 && t < 40685;
    })) << "no kick on the drop";
    const std::vector<int32_t> impacts = flare.note_ons(7);
    ASSERT_EQ(impacts.size(), 1u);
    EXPECT_NEAR(flare.to - impacts[0], 1000, 100);
}

// Sprutte's kick count, with its one reset at 15: the main part, the rings
// and the frozen camera all come inside the scene, the rings with
// percussion notes to flash on.
TEST_F(TuneTimeline, SpruttePassesItsKickCounts) {
    const Visit& sprutte = visit(kSprutte);
    std::vector<int32_t> counted; // time of each counted kick, from 1
    bool reset_pending = true;
    for (int32_t t : sprutte.note_ons(1)) {
        counted.push_back(t);
        if (reset_pending && counted.size() == 15) {
            counted.clear();
            reset_pending = false;
        }
    }
    const int32_t main = nth(counted, 38), rings = nth(counted, 70), freeze = nth(counted, 98);
    ASSERT_GT(main, 0);
    ASSERT_GT(rings, main);
    ASSERT_GT(freeze, rings);
    EXPECT_LT(freeze + 1000, sprutte.to);
    const std::vector<int32_t> perc = sprutte.note_ons(12);
    EXPECT_GE(std::count_if(perc.begin(), perc.end(), [&](int32_t t) { return t >= rings; }), 32);
}

// 31 kicks before the greetings, then one crash per greeting: all seven,
// each shown for at least two seconds, each morphing on a track-17 accent
// before the next greeting (the very first one on the second accent).
TEST_F(TuneTimeline, ScrubShowsAllSevenGreetings) {
    const Visit& scrub = visit(kScrub);
    const std::vector<int32_t> kicks = scrub.note_ons(1);
    ASSERT_GE(kicks.size(), 32u);
    std::vector<int32_t> greetings, accents = scrub.note_ons(17);
    for (int32_t t : scrub.note_ons(10))
        if (t > kicks[30])
            greetings.push_back(t);
    ASSERT_EQ(greetings.size(), 7u);
    greetings.push_back(scrub.to);
    for (size_t g = 0; g < 7; ++g) {
        EXPECT_GE(greetings[g + 1] - greetings[g], 2000) << "greeting " << g;
        const size_t wanted = g == 0 ? 2 : 1;
        const auto after = std::count_if(accents.begin(), accents.end(), [&](int32_t t) {
            return t > greetings[g] && t < greetings[g + 1];
        });
        EXPECT_GE(size_t(after), wanted) << "greeting " << g << " never morphs";
    }
}

// The room cuts its camera on every second kick, and its flashes come on the
// 2nd, 5th, 8th ... splash; its lights stutter with the claps.
TEST_F(TuneTimeline, CreditsRoomHasItsCuts) {
    const Visit& room = visit(kRoom);
    EXPECT_EQ(room.note_ons(1).size() % 2, 0u);
    EXPECT_GE(room.note_ons(10).size(), 5u);
    EXPECT_GE(room.note_ons(4).size(), 32u);
}

// The sun room's 32nd, 33rd and 64th beats, more than 20 accents (the 21st
// after the slow camera ended), and a light level that rises to full.
TEST_F(TuneTimeline, CreditsSunHasItsBeatsAccentsAndLights) {
    const Visit& sun = visit(kSun);
    EXPECT_GE(sun.beats(), 64 + 4);
    const std::vector<int32_t> beats = sun.beat_times();
    const std::vector<int32_t> accents = sun.note_ons(17);
    ASSERT_GT(accents.size(), 20u);
    EXPECT_GT(accents[20], beats[31]);
    const std::vector<int> light = sun.controls(72);
    ASSERT_FALSE(light.empty());
    EXPECT_LT(light.front(), 32);
    EXPECT_EQ(*std::max_element(light.begin(), light.end()), 127);
    EXPECT_TRUE(std::is_sorted(light.begin(), light.begin() + 32));
    EXPECT_GE(sun.note_ons(9).size(), 64u);
}
