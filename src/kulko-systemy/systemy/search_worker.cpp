#include "systemy/search_worker.hpp"

namespace kulko {

SearchWorker::~SearchWorker() {
    Cancel();
    Wait();
}

void SearchWorker::Start(std::shared_ptr<SystemBuild> build, std::chrono::milliseconds budget) {
    Wait();
    cancelled_ = false;
    done_ = false;
    percent_ = 0;
    bestSize_ = 0;
    startPercent_ = 0;
    result_.reset();
    error_.clear();
    thread_ = std::thread([this, build = std::move(build), budget] {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point start = Clock::now();
        const auto publish = [&] {
            bestSize_ = build->HasSystem() ? build->BestSize() : 0;
            startPercent_ = static_cast<int>(build->StartShare() * 100.0);
        };
        try {
            build->Run([&] {
                publish();
                const auto used = Clock::now() - start;
                percent_ = budget.count() <= 0
                               ? 100
                               : static_cast<int>(std::min<long long>(100, 100 * used / budget));
                return cancelled_ || used >= budget;
            });
            publish();
            if (build->HasSystem()) {
                result_ = build->Result();
            }
        } catch (const std::exception& error) {
            // Out of memory or of threads: the window says so.
            error_ = error.what();
        }
        percent_ = 100;
        done_ = true;
    });
}

void SearchWorker::Wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

SearchWorker::Progress SearchWorker::Now() const {
    return {percent_, bestSize_, startPercent_};
}

std::optional<BuiltSystem> SearchWorker::Take() {
    Wait();
    return std::move(result_);
}

}  // namespace kulko
