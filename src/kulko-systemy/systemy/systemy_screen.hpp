#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kulko {

// A system laid out for printing: one ticket a line, numbered, below a
// heading with the guarantee and the chosen numbers.
struct PrintedSystem {
    std::string title;
    std::vector<std::string> heading;
    std::vector<std::string> lines;
};

// What the systems window needs from the screen besides its controls.
class SystemyScreen {
  public:
    virtual ~SystemyScreen() = default;

    // Modal box with caption "Informacja" and an OK button.
    virtual void Inform(const std::string& text) = 0;
    // Modal box with caption "Pytanie", "Tak" and "Nie"; true for "Tak".
    virtual bool Ask(const std::string& question) = 0;
    // Asks where to save, suggesting a file name; nothing when cancelled.
    virtual std::optional<std::filesystem::path> AskSavePath(const std::string& suggested) = 0;
    virtual void CopyToClipboard(const std::string& text) = 0;
    // Prints (or makes a PDF, as the player chooses); false when cancelled.
    virtual bool Print(const PrintedSystem& document) = 0;
    // Called again and again while a handler waits for the working
    // directory that another program is changing: the window answers its
    // paint meanwhile instead of freezing.
    virtual void AnswerPaints() {}
};

}  // namespace kulko
