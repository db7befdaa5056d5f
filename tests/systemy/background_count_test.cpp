// Counts off the window's thread: what is shown, what is dropped.
#include "systemy/background_count.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace kulko::test {
namespace {

// A job that runs until it is let go, then shows its name.
BackgroundCount::Job Held(std::atomic<bool>& go, std::string& shown, std::string name) {
    return [&go, &shown, name] {
        while (!go) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return BackgroundCount::Show([&shown, name] { shown = name; });
    };
}

TEST(BackgroundCount, ANewerRequestReplacesTheOlderAndStopDropsBoth) {
    BackgroundCount count;
    std::atomic<bool> go = false;
    std::string shown;
    count.Start(Held(go, shown, "pierwsze"));
    count.Start(Held(go, shown, "drugie"));
    count.Start(Held(go, shown, "trzecie"));
    EXPECT_TRUE(count.Busy());
    EXPECT_FALSE(count.Collect());  // the window goes on meanwhile
    go = true;
    count.Wait();
    EXPECT_EQ(shown, "trzecie");  // the first dropped, the second never ran

    go = false;
    shown.clear();
    count.Start(Held(go, shown, "przerwane"));
    count.Stop();
    EXPECT_FALSE(count.Busy());
    count.Start(Held(go, shown, "nowe"));  // waits for the stopped one's end
    go = true;
    count.Wait();
    EXPECT_EQ(shown, "nowe");

    count.Start([]() -> BackgroundCount::Show { throw std::runtime_error("za mało pamięci"); });
    count.Wait();
    EXPECT_EQ(count.Error(), "za mało pamięci");
}

}  // namespace
}  // namespace kulko::test
