#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "wheels/system_build.hpp"

namespace kulko {

// Runs the search of a system on a thread of its own for a time budget, so
// that the window stays responsive; the window looks at its progress on
// every tick and takes the result when it is done. One search at a time.
class SearchWorker {
  public:
    SearchWorker() = default;
    ~SearchWorker();
    SearchWorker(const SearchWorker&) = delete;
    SearchWorker& operator=(const SearchWorker&) = delete;

    // Searches on with the build for the budget, then checks and weighs the
    // best system found (BuiltSystem).
    void Start(std::shared_ptr<SystemBuild> build, std::chrono::milliseconds budget);
    // Ends the search early; the best system so far is still checked.
    void Cancel() { cancelled_ = true; }
    bool Busy() const { return thread_.joinable(); }
    bool Done() const { return done_; }
    // Waits for the end (the checking included).
    void Wait();

    struct Progress {
        int percent = 0;           // of the budget used
        std::size_t bestSize = 0;  // 0 before the first system
        int startPercent = 0;      // of the first system built
    };
    Progress Now() const;

    // Once done: the system found (nothing if no first system was
    // complete in time), and the thread is joined.
    std::optional<BuiltSystem> Take();
    // Once done: what went wrong, if the search failed.
    const std::string& Error() const { return error_; }

  private:
    std::thread thread_;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> done_{false};
    std::atomic<int> percent_{0};
    std::atomic<std::size_t> bestSize_{0};
    std::atomic<int> startPercent_{0};
    std::optional<BuiltSystem> result_;
    std::string error_;
};

}  // namespace kulko
