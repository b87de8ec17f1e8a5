// Owns the scenes, the timeline, the sound module and the demo clock. Each
// frame it advances the clock, pops the events that fell due, switches the
// current scene or forwards the event to it, and updates and draws it.
#pragma once

#include "base/Singleton.h"
#include "base/cDemoTime.h"
#include "cEventQueue.h"
#include "cScene.h"
#include "sound/cSoundModule_fmod.h"

#include <cstdint>
#include <set>
#include <vector>

class cSceneManager {
public:
    // Where the output cannot say when its music is heard, it is taken to be heard this long
    // after it is handed over; demo time 0 is put there.
    static constexpr int32_t kAudioLatencyMs = 200;
    // Where the output reports nothing before playback, the first report is waited for this long.
    static constexpr int32_t kFirstReportWaitMs = 1000;
    // The note-ons of this MIDI track (the kick) flash the case lights.
    static constexpr int kLightsTrack = 1;
    static constexpr const char* kEventScript = "../data/script/markers.txt";
    static constexpr const char* kMidiFile = "../data/music/pulse55.mid";
    // Finer than the frames the heaviest scenes get on a software renderer.
    static constexpr int32_t kSeekStepMs = 40;

    cSceneManager();
    cSceneManager(const cSceneManager&) = delete;
    cSceneManager& operator=(const cSceneManager&) = delete;
    ~cSceneManager();

    // The timeline, the sound library with the music stream, and the clock.
    void start();
    // Takes ownership; the scene's index becomes its number on the timeline.
    void add_scene(cScene* scene);
    // Takes ownership of the scene shown when the timeline names a scene
    // number that is not in the list (none: nothing is drawn).
    void set_fallback(cScene* scene);
    // Takes ownership of the timeline, replacing (and deleting) any earlier.
    void set_event_queue(cEventQueue* queue);

    // Called before every scene switch: puts the GL state every scene starts from in place.
    // Handed in by the frame, which knows the renderer.
    void set_scene_start(void (*start)()) { scene_start_ = start; }
    void switch_scene(const cEvent& event);
    void draw_current();
    // Pops and handles every due event; true if the current scene changed.
    bool dispatch();
    // One frame: clock, dispatch, the current scene's update, one step of the
    // lights' fade. Returns dispatch's result.
    bool frame_update();
    // Starts the music and puts demo time 0 where it is heard.
    void start_playback();
    // How far the music handed to the output runs ahead of what is heard: the output's own
    // report where it gives one, kAudioLatencyMs where not.
    int32_t audio_latency_ms() const;
    void advance_clock() { time_.advance(); }
    // Jumps the run to the music's position `target_ms` (clamped to the music): the music
    // moves there, and the timeline and the scenes are played up to it by their updates
    // alone, from where the run is (forward) or from its start (back), in steps of
    // kSeekStepMs. The demo time afterwards is target_ms - audio_latency_ms(), as at the start.
    void seek(int32_t target_ms);
    // Takes ownership of a timeline built anew (its cursor at the start) and plays the run up
    // to where it stands with it, from the start, as a jump back does; the music goes on.
    void replay_timeline(cEventQueue* queue);
    // The music file read again after it changed, playing on from where the music is; false
    // (the old music playing on) where the file cannot be played.
    bool reopen_music();
    // A paused run keeps its demo time and its scenes' state; the music stops.
    void set_paused(bool paused);
    bool paused() const { return paused_; }
    // With a loop the timeline's quit event plays the demo again from the start instead.
    void set_loop(bool loop) { loop_ = loop; }
    // Back to before the first frame, as a jump back does before it plays forward again: no
    // scene, the timeline's cursor at its start, every scene as loaded, the demo time
    // where a run starts. The music stays where it is.
    void rewind_run();

    cDemoTime& demo_time() { return time_; }
    cEventQueue* event_queue() { return queue_; }
    cScene* current_scene() { return current_; }
    const std::vector<cScene*>& scenes() const { return scenes_; }
    cSoundModule_fmod& sound() { return sound_; }

private:
    void handle(cEvent* event, bool* switched);
    // Pulls the demo time onto the music heard, where the output says what that is.
    void follow_music();
    // Advances the clock until the output says when the music is heard, at most
    // kFirstReportWaitMs; false if it never did.
    bool wait_for_heard(double* heard_ms);
    // Puts demo time 0 where the output's first report says the music's start is heard.
    void start_from_first_report();
    // One frame of the replay at demo time t: dispatch and update, no drawing.
    void replay_to(int32_t t);
    void mark_replayed(int32_t arrive);
    int32_t music_ms() const;
    // The seek, from the run's start even where the target lies ahead.
    void seek_from(int32_t target_ms, bool from_start);

    cEventQueue* queue_ = nullptr;
    std::vector<cScene*> scenes_;
    cScene* current_ = nullptr;
    cSoundModule_fmod sound_;
    cDemoTime time_;
    cScene* fallback_ = nullptr;
    void (*scene_start_)() = nullptr;
    bool paused_ = false;
    bool loop_ = false;
    bool restart_ = false;       // the quit event came in a loop: back to the start after dispatch
    std::set<cScene*> replayed_; // the scenes a seek's replay updates
};

inline cSceneManager& scene_manager() {
    return cSingleton<cSceneManager>::get();
}
