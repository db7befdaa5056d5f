// The settings load: three one-byte files of any content. The input is cut
// at bytes of value 0 into the three files.
#include <cstdint>
#include <optional>
#include <string>

#include "files/in_out_error.hpp"
#include "fuzz_support.hpp"
#include "settings/settings_files.hpp"

using namespace kulko;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest = fuzz::AsText(data, size);
    for (Setting setting : kAllSettings) {
        // Each file is the text up to the next 0x00 byte, which it may keep
        // at its start when doubled ("\0\0" is one file of a single 0).
        std::string contents;
        const std::size_t cut = rest.find('\0');
        if (cut == std::string_view::npos) {
            contents.assign(rest);
            rest = {};
        } else if (cut + 1 < rest.size() && rest[cut + 1] == '\0') {
            contents.assign(rest.substr(0, cut + 1));
            rest.remove_prefix(cut + 2);
        } else {
            contents.assign(rest.substr(0, cut));
            rest.remove_prefix(cut + 1);
        }
        const auto file = fuzz::ScratchFile(SettingFileName(setting), contents);
        std::optional<bool> value;
        try {
            value = ReadSettingFile(file);
        } catch (const InOutError& error) {
            fuzz::Require(contents.empty(), "a setting with a byte was refused");
            fuzz::Require(std::string(error.what()) == "Read beyond end of file",
                          "empty setting with the wrong error");
            continue;
        }
        fuzz::Require(!contents.empty(), "an empty setting was read");
        const auto first = static_cast<unsigned char>(contents[0]);
        fuzz::Require(value.has_value() == (first <= 1), "only 0 and 1 are values");
        if (value) {
            fuzz::Require(*value == (first == 1), "wrong value");
            // Stored again, the file holds just that byte.
            WriteSettingFile(file, *value);
            fuzz::Require(ReadSettingFile(file) == value, "setting changed by a write");
        }
    }
    return 0;
}
