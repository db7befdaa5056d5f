#pragma once

// Helpers shared by the fuzz targets: most readers take a file, so the input
// is written to a scratch file of this process first.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

#include "files/file_ops.hpp"

namespace kulko::fuzz {

// Aborts with a message: a broken property is a finding like a crash.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

inline void Require(bool holds, const char* what) {
    if (!holds) {
        Fail(what);
    }
}

// A directory of this process in the temporary directory (scripts/fuzz.sh
// points TMPDIR into the build directory); removed at a normal exit. The
// path is never destroyed, so the exit handler can still use it.
inline const std::filesystem::path& ScratchDir() {
    static const std::filesystem::path* const dir = [] {
        auto* made = new std::filesystem::path(std::filesystem::temp_directory_path() /
                                               ("kulko-fuzz-" + std::to_string(::getpid())));
        std::filesystem::create_directories(*made);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchDir(), ignored);
        });
        return made;
    }();
    return *dir;
}

// Writes the bytes as the named scratch file and returns its path.
inline std::filesystem::path ScratchFile(const char* name, std::string_view bytes) {
    const std::filesystem::path path = ScratchDir() / name;
    WriteNewFile(path, bytes);
    return path;
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Cuts the input at its first byte of value 0: two inputs in one.
inline std::pair<std::string_view, std::string_view> SplitAtNul(std::string_view input) {
    const std::size_t nul = input.find('\0');
    if (nul == std::string_view::npos) {
        return {input, {}};
    }
    return {input.substr(0, nul), input.substr(nul + 1)};
}

}  // namespace kulko::fuzz
