#pragma once

#include <filesystem>

#include "support/fakes.hpp"

namespace kulko::bench {

// The tests' stand-in of the screen and the system, set for timing handlers
// alone: the screen keeps nothing it is shown, questions are answered No,
// and every press gets a seed of its own, as from the clock.
struct QuietWindowServices {
    QuietWindowServices() {
        screen.keepShown = false;
        system.seed = 0;
        system.freshSeeds = true;
    }
    test::FakeScreen screen;
    test::FakeSystem system;
};

// A results file of the given number of sound, random draws in the
// temporary directory, made once per run and size.
std::filesystem::path SyntheticHistory(std::size_t lines);

// A draw log of the given number of random sets.
std::filesystem::path SyntheticDrawLog(std::size_t lines);

}  // namespace kulko::bench
