#pragma once

#include <string>
#include <variant>

namespace kulko {

// Why the bytes of an input are no results list, in words for the player:
// "obraz PNG", "strona HTML" and so on.
struct NotAList {
    std::string what;
};

// The bytes of one input (a file, standard input, a download) as the text
// the line reader takes: UTF-16 with a byte order mark becomes UTF-8, a
// UTF-8 byte order mark goes. Refused: anything whose first kilobytes hold
// NUL or control bytes other than line ends, tab and the end-of-file mark
// (a picture, an archive, a compressed download, UTF-16 without its mark),
// and a web page.
std::variant<std::string, NotAList> InputText(std::string bytes);

}  // namespace kulko
