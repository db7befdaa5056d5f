#pragma once

#include <stdexcept>
#include <string>

namespace kulko {

// The one error type of the program: a failed file operation. Its text is
// what the user sees in the error box ("File not found", "Disk full", ...).
class InOutError : public std::runtime_error {
  public:
    explicit InOutError(const std::string& text) : std::runtime_error(text) {}

    // Maps an operating-system error number to the runtime's text.
    static InOutError FromErrno(int error);
    static InOutError ReadBeyondEnd();
};

}  // namespace kulko
