#include "systemy/stake.hpp"

#include <vector>

#include "files/file_ops.hpp"
#include "files/text_file.hpp"
#include "text/cp1250.hpp"

namespace kulko {

std::optional<std::int64_t> ParseStake(std::string_view text) {
    const auto trim = [&] {
        while (!text.empty() && text.front() == ' ') {
            text.remove_prefix(1);
        }
        while (!text.empty() && text.back() == ' ') {
            text.remove_suffix(1);
        }
    };
    trim();
    if (text.ends_with("zł")) {
        text.remove_suffix(std::string_view("zł").size());
        trim();
    }
    std::int64_t grosze = 0;
    int places = -1;  // digits after the decimal sign; -1 before it
    bool digits = false;
    for (const char c : text) {
        if ((c == ',' || c == '.') && places < 0) {
            places = 0;
        } else if (c >= '0' && c <= '9' && places < 2 && grosze < 100000000000) {
            grosze = grosze * 10 + (c - '0');
            places += places >= 0 ? 1 : 0;
            digits = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    for (int p = places < 0 ? 0 : places; p < 2; ++p) {
        grosze *= 10;
    }
    return grosze;
}

std::string LoadStake(const std::filesystem::path& file) {
    if (!FileExists(file)) {
        return {};
    }
    const std::vector<std::string> lines = ReadAllLines(file);
    return lines.empty() ? std::string() : Cp1250ToUtf8(lines.front());
}

void SaveStake(const std::filesystem::path& file, const std::string& text) {
    SafeReplaceWrite(file, JoinLinesCrLf({Utf8ToCp1250(text)}));
}

}  // namespace kulko
