#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "systemy/systemy_screen.hpp"

namespace kulko::test {

// Records what the systems window shows; the save dialog answers with a
// preset path (cancelled when none), printing and questions with a preset
// answer.
class FakeSystemyScreen : public SystemyScreen {
  public:
    void Inform(const std::string& text) override { notices.push_back(text); }
    bool Ask(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    std::optional<std::filesystem::path> AskSavePath(const std::string& suggested) override {
        suggestedNames.push_back(suggested);
        return savePath;
    }
    void CopyToClipboard(const std::string& text) override { clipboard = text; }
    bool Print(const PrintedSystem& document) override {
        printed.push_back(document);
        return printAccepted;
    }
    void AnswerPaints() override { ++paintsAnswered; }

    std::vector<std::string> notices;
    std::vector<std::string> questions;
    bool answer = false;  // to every question
    std::optional<std::filesystem::path> savePath;
    std::vector<std::string> suggestedNames;
    std::string clipboard;
    bool printAccepted = true;
    std::vector<PrintedSystem> printed;
    int paintsAnswered = 0;
};

}  // namespace kulko::test
