#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "systemy/page_controls.hpp"

namespace kulko {

// A page's count, run off the window's thread so that the window answers
// while it runs. The job runs on a thread of its own on copies of the
// page's inputs and hands back what the window's thread then shows. One
// job runs at a time: a newer request waits for the running one's end and
// the running one's answer is dropped; "Przerwij" drops both.
class BackgroundCount {
  public:
    using Show = std::function<void()>;
    using Job = std::function<Show()>;

    BackgroundCount() = default;
    // A copy of a page counts on its own: it starts with no count.
    BackgroundCount(const BackgroundCount&) {}
    BackgroundCount& operator=(const BackgroundCount&) { return *this; }
    ~BackgroundCount();

    void Start(Job job);
    // The running count's answer and the waiting request are dropped; the
    // running thread ends in the background.
    void Stop();
    // A count runs, or waits for its turn.
    bool Busy() const { return running_ != nullptr || static_cast<bool>(waiting_); }
    // On the window's thread: once the running count has ended, shows its
    // answer (unless dropped) and starts the waiting one. True when it ended.
    bool Collect();
    // Until nothing runs or waits, showing each answer (tests, scripts).
    void Wait();
    // What went wrong in the last count that failed (out of memory ...).
    const std::string& Error() const { return error_; }

  private:
    struct Run {
        std::thread thread;
        std::atomic<bool> done{false};
        bool dropped = false;
        Show show;
        std::string error;
    };
    void Launch(Job job);
    void EndRunning();

    std::unique_ptr<Run> running_;
    std::unique_ptr<Run> stopped_;  // dropped, still ending
    Job waiting_;
    std::string error_;
};

// What a page shows of its count: the bar and "Przerwij" while it runs,
// "stan" what became of it.
struct CountControls {
    ProgressBar& postep;
    Button& przerwij;
    TextField& stan;
};
void StartCount(BackgroundCount& count, CountControls controls, BackgroundCount::Job job,
                const char* doing);
void StopCount(BackgroundCount& count, CountControls controls);
// Shows a count that ended; true when it did.
bool CollectCount(BackgroundCount& count, CountControls controls);

}  // namespace kulko
