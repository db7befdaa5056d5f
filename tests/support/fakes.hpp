#pragma once

#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/screen.hpp"
#include "app/system.hpp"

namespace kulko::test {

// Records what the window shows; questions take preset answers (No when
// none is left).
class FakeScreen : public Screen {
  public:
    bool Ask(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Inform(const std::string& text) override { notices.push_back(text); }
    void RepaintNow() override {
        ++repaints;
        marks.Clear();
    }
    void DrawMarks(const Canvas& drawn) override { marks = drawn; }

    std::deque<bool> answers;
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
// Downloads copy the preset body for the URL into the target.
class FakeSystem : public System {
  public:
    int ConnectionFlags() override {
        ++connectionQueries;
        return connectionFlags;
    }
    bool Download(const std::string& url, const std::filesystem::path& target) override;
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
    std::uint32_t Seed() override { return seed; }

    int connectionFlags = 0;
    int connectionQueries = 0;
    std::map<std::string, std::string> downloads;  // URL -> body; missing: failure
    std::vector<std::string> fetched;              // URLs asked for
    std::vector<std::string> started;
    std::vector<std::string> opened;
    bool editorStarts = true;  // whether a program took the file
    int exits = 0;
    std::string timeOfDay = "12:34:56";
    std::uint32_t seed = 12345;
};

}  // namespace kulko::test
