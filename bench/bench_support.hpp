#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>

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

// A working directory for the window with settings that keep start-up off
// the network, holding the given results file (and draw log, if any). It is
// removed when the run ends.
std::filesystem::path WindowDirectory(const char* name, const std::filesystem::path& history,
                                      const std::filesystem::path& drawLog = {});

// Waits until the file last changed two seconds ago or earlier: only then
// may the program trust what it read of it without reading it again.
void WaitUntilSettled(const std::filesystem::path& file);

// The processor time of the calling thread so far, the kernel's share for
// its reads and writes included. The machine is shared with other work, so
// the wall clock says more about the others than about the code timed.
double ThreadSeconds();

template <typename Call>
double ThreadSecondsOf(Call&& call) {
    const double start = ThreadSeconds();
    call();
    return ThreadSeconds() - start;
}

// The least any read of the bytes can cost: `length` bytes of the file from
// `offset` read in large chunks into one buffer, and their LF bytes counted.
std::size_t CountNewlines(const std::filesystem::path& file, std::uint64_t offset = 0,
                          std::uint64_t length = std::numeric_limits<std::uint64_t>::max());

// Bytes this process has taken in through read calls so far.
std::uint64_t BytesReadSoFar();

// The resident memory of this process, in bytes.
std::uint64_t ResidentBytes();

}  // namespace kulko::bench
