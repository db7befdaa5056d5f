#include "systemy/background_count.hpp"

#include <exception>

namespace kulko {

BackgroundCount::~BackgroundCount() {
    waiting_ = nullptr;
    for (std::unique_ptr<Run>* run : {&running_, &stopped_}) {
        if (*run && (*run)->thread.joinable()) {
            (*run)->thread.join();
        }
    }
}

void BackgroundCount::Launch(Job job) {
    running_ = std::make_unique<Run>();
    Run* run = running_.get();
    run->thread = std::thread([run, job = std::move(job)] {
        try {
            run->show = job();
        } catch (const std::exception& failure) {
            run->error = failure.what();
        }
        run->done = true;
    });
}

void BackgroundCount::Start(Job job) {
    if (running_) {
        running_->dropped = true;
        waiting_ = std::move(job);
        return;
    }
    if (stopped_) {
        // A stopped count still ends: the new one waits for its cores.
        waiting_ = std::move(job);
        std::swap(running_, stopped_);
        return;
    }
    Launch(std::move(job));
}

void BackgroundCount::Stop() {
    waiting_ = nullptr;
    if (running_) {
        running_->dropped = true;
        if (stopped_) {
            stopped_->thread.join();
        }
        stopped_ = std::move(running_);
    }
}

void BackgroundCount::EndRunning() {
    if (running_->thread.joinable()) {
        running_->thread.join();
    }
    std::unique_ptr<Run> ended = std::move(running_);
    if (waiting_) {
        Launch(std::move(waiting_));
        waiting_ = nullptr;
    }
    if (!ended->dropped) {
        error_ = ended->error;
        if (ended->show) {
            ended->show();
        }
    }
}

bool BackgroundCount::Collect() {
    if (stopped_ && stopped_->done) {
        stopped_->thread.join();
        stopped_.reset();
    }
    if (!running_ || !running_->done) {
        return false;
    }
    EndRunning();
    return true;
}

void BackgroundCount::Wait() {
    while (running_) {
        EndRunning();
    }
}

void StartCount(BackgroundCount& count, CountControls controls, BackgroundCount::Job job,
                const char* doing) {
    count.Start(std::move(job));
    controls.postep = {-1, true};
    controls.przerwij.enabled = true;
    controls.stan.text = doing;
}

void StopCount(BackgroundCount& count, CountControls controls) {
    count.Stop();
    controls.postep.visible = false;
    controls.przerwij.enabled = false;
    controls.stan.text = "Przerwano liczenie; „Policz” liczy od nowa.";
}

bool CollectCount(BackgroundCount& count, CountControls controls) {
    if (!count.Collect()) {
        return false;
    }
    if (!count.Error().empty()) {
        controls.stan.text = "Liczenie nie powiodło się: " + count.Error();
    }
    controls.postep.visible = count.Busy();
    controls.przerwij.enabled = count.Busy();
    return true;
}

}  // namespace kulko
