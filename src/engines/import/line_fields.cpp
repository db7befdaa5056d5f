#include "import/line_fields.hpp"

namespace kulko {
namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the blank at the start of text: 0, 1 or that of a no-break space.
std::size_t BlankLength(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    if (text.front() == ' ' || text.front() == '\t') {
        return 1;
    }
    return text.starts_with(kNoBreakSpace) ? kNoBreakSpace.size() : 0;
}

std::string_view Trim(std::string_view text) {
    while (const std::size_t blank = BlankLength(text)) {
        text.remove_prefix(blank);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    while (text.ends_with(kNoBreakSpace)) {
        text.remove_suffix(kNoBreakSpace.size());
    }
    return text;
}

char Separator(std::string_view line) {
    for (const char separator : {'\t', ';', ','}) {
        if (line.find(separator) != std::string_view::npos) {
            return separator;
        }
    }
    return '\0';
}

}  // namespace

std::string_view TrimmedLine(std::string_view line) {
    if (line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
    }
    return Trim(line);
}

std::vector<std::string_view> LineFields(std::string_view line) {
    const char separator = Separator(line);
    const auto next = [&](std::size_t from) {
        return separator == '\0' ? std::string_view::npos : line.find(separator, from);
    };
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        std::size_t open = start;
        while (open < line.size() && line[open] == ' ') {
            ++open;
        }
        // A field in quotes runs to its closing quote, separators and all.
        const std::size_t close = open < line.size() && line[open] == '"' ? line.find('"', open + 1)
                                                                          : std::string_view::npos;
        std::size_t end = 0;
        if (close != std::string_view::npos) {
            fields.push_back(Trim(line.substr(open + 1, close - open - 1)));
            end = next(close + 1);
        } else {
            end = next(start);
            fields.push_back(
                Trim(line.substr(start, end == std::string_view::npos ? end : end - start)));
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    while (fields.size() > 1 && fields.back().empty()) {
        fields.pop_back();
    }
    return fields;
}

std::vector<std::string_view> FieldWords(std::string_view field) {
    std::vector<std::string_view> words;
    while (!field.empty()) {
        if (const std::size_t blank = BlankLength(field)) {
            field.remove_prefix(blank);
            continue;
        }
        if (field.front() == ',') {
            field.remove_prefix(1);
            continue;
        }
        std::size_t length = 0;
        while (length < field.size() && field[length] != ',' &&
               BlankLength(field.substr(length)) == 0) {
            ++length;
        }
        words.push_back(field.substr(0, length));
        field.remove_prefix(length);
    }
    return words;
}

}  // namespace kulko
