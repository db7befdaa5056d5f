#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "systemy/background_count.hpp"
#include "systemy/file_stamp.hpp"

namespace kulko {

// What an analysis page does around its count, whatever it counts: the
// count runs off the window's thread (BackgroundCount) on a copy of the
// page, whose answer the page then shows; "Przerwij" drops it; and the page
// counts again by itself when one of its input files changed since its
// last count. Page (which derives from CountingPage<Page>) has the
// controls postep, przerwij and stan.
template <typename Page>
class CountingPage {
  public:
    // Drops the running count and its answer.
    void PrzerwijClick() { StopCount(count_, Controls()); }
    // Every tick: shows a count that ended; counts again when an input file
    // changed since the last count. True when a control changed.
    bool Tick(bool lookAtFiles) {
        if (count_.Busy()) {
            return CollectCount(count_, Controls());
        }
        if (lookAtFiles && inputs_.Changed()) {
            (Self().*recount_)();
            return true;
        }
        return false;
    }
    // Until the count has ended and is shown (tests, scripts).
    void WaitForCount() {
        count_.Wait();
        Tick(false);
    }
    bool Counting() const { return count_.Busy(); }

  protected:
    // inputs: the files the page counts from; recount: its handler that
    // counts again.
    CountingPage(std::vector<std::filesystem::path> inputs, void (Page::*recount)())
        : inputs_(std::move(inputs)), recount_(recount) {}

    // Notes the input files as the count about to start finds them.
    void TakeInputs() { inputs_.Take(); }
    // Drops a running count without a word: the handler says what follows.
    void DropCount() {
        count_.Stop();
        Self().postep.visible = false;
        Self().przerwij.enabled = false;
    }
    // Starts count(copy) off the window's thread on a copy of the page as it
    // is now; once it ended, show(page, copy) shows the copy's answer on the
    // window's thread. doing: what stan says meanwhile.
    template <typename Count, typename Show>
    void CountOnCopy(Count count, Show show, const char* doing) {
        auto copy = std::make_shared<Page>(Self());
        StartCount(
            count_, Controls(),
            [this, copy, count = std::move(count), show = std::move(show)] {
                std::invoke(count, *copy);
                return [this, copy, show] { std::invoke(show, Self(), *copy); };
            },
            doing);
    }

  private:
    Page& Self() { return static_cast<Page&>(*this); }
    CountControls Controls() { return {Self().postep, Self().przerwij, Self().stan}; }

    BackgroundCount count_;
    InputStamps inputs_;
    void (Page::*recount_)();
};

}  // namespace kulko
