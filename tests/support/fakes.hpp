#pragma once

// The one stand-in of the screen and of the operating-system services, for
// the tests, the benchmarks and the fuzz targets. Both record what the
// window shows and asks for and answer from presets; a few switches fit them
// to their user.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/screen.hpp"
#include "platform/system.hpp"

namespace kulko::test {

// Records what the window shows; questions take the preset answers, then
// `laterAnswer` (No unless set).
class FakeScreen : public Screen {
  public:
    bool Ask(const std::string& text) override {
        if (keepShown) {
            questions.push_back(text);
        }
        if (answers.empty()) {
            return laterAnswer;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Inform(const std::string& text) override {
        if (keepShown) {
            notices.push_back(text);
        }
    }
    void RepaintNow() override {
        ++repaints;
        marks.Clear();
        if (onRepaint) {
            onRepaint();
        }
    }
    void DrawMarks(const Canvas& drawn) override {
        if (keepShown) {
            marks = drawn;
        }
    }

    // Switches.
    std::deque<bool> answers;
    bool laterAnswer = false;
    // Off: no question, notice or mark is kept, so that a benchmark times
    // the handlers alone.
    bool keepShown = true;
    // Called after every repaint, to look at the files as they are then.
    std::function<void()> onRepaint;

    // The record.
    std::vector<std::string> questions;
    std::vector<std::string> notices;
    int repaints = 0;
    Canvas marks;
};

// Thrown by FakeSystem::Exit in place of ending the process.
struct ProgramExited : std::runtime_error {
    ProgramExited() : std::runtime_error("program exited") {}
};

// Operating-system services with preset answers and a record of calls.
// Downloads copy the preset body for the URL into the target, or go to the
// real download when `network` is set.
class FakeSystem : public System {
  public:
    int ConnectionFlags() override {
        ++connectionQueries;
        return connectionFlags;
    }
    bool Download(const std::string& url, const std::filesystem::path& target) override;
    std::string RunTimeUpdateHost() override {
        return network != nullptr ? network->RunTimeUpdateHost() : std::string();
    }
    void StartProgram(const std::filesystem::path& workDir, const std::string& program,
                      const std::vector<std::string>& args) override {
        (void)workDir;
        started.push_back(program);
        for (const auto& arg : args) {
            started.back() += " " + arg;
        }
    }
    bool OpenInTextEditor(const std::filesystem::path& file) override {
        opened.push_back(file.filename().string());
        return editorStarts;
    }
    [[noreturn]] void Exit() override {
        ++exits;
        throw ProgramExited();
    }
    std::string TimeOfDay() override { return timeOfDay; }
    std::uint32_t Seed() override { return freshSeeds ? ++seed : seed; }

    // Switches.
    int connectionFlags = 0;
    std::map<std::string, std::string> downloads;  // URL -> body; missing: failure
    // The real services whose download and run-time update host are used
    // instead of the preset bodies.
    System* network = nullptr;
    std::string timeOfDay = "12:34:56";
    std::uint32_t seed = 12345;
    // On: every call gives the next seed, as the clock would.
    bool freshSeeds = false;
    // Whether a program takes the file to open in an editor.
    bool editorStarts = true;

    // The record.
    int connectionQueries = 0;
    std::vector<std::string> fetched;  // URLs asked for
    std::vector<std::string> started;
    std::vector<std::string> opened;
    int exits = 0;
};

}  // namespace kulko::test
