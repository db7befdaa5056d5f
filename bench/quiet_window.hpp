#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/screen.hpp"
#include "app/system.hpp"

namespace kulko::bench {

// A screen that answers No and shows nothing, for timing handlers alone.
class QuietScreen : public Screen {
  public:
    bool Ask(const std::string&) override { return false; }
    void Inform(const std::string&) override {}
    void RepaintNow() override {}
    void DrawMarks(const Canvas&) override {}
};

// Offline services with a new seed for every press.
class QuietSystem : public System {
  public:
    int ConnectionFlags() override { return 0; }
    bool Download(const std::string&, const std::filesystem::path&) override { return false; }
    void StartProgram(const std::filesystem::path&, const std::string&,
                      const std::vector<std::string>&) override {}
    bool OpenInTextEditor(const std::filesystem::path&) override { return true; }
    [[noreturn]] void Exit() override { std::abort(); }
    std::string TimeOfDay() override { return "12:00:00"; }
    std::uint32_t Seed() override { return ++seed; }

    std::uint32_t seed = 0;
};

}  // namespace kulko::bench
