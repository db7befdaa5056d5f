// Running the results tool as its users run it, in a directory of its own.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "files/text_file.hpp"
#include "support/temp_dir.hpp"
#include "wyniki/results_tool.hpp"

namespace kulko::test {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

inline ToolRun RunTool(const std::vector<std::string>& args, const std::string& input,
                       const ToolEnvironment& environment) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunResultsTool(args, in, out, err, environment);
    return {status, out.str(), err.str()};
}

inline ToolRun RunTool(const std::vector<std::string>& args, const std::string& input = {}) {
    return RunTool(args, input, LocalEnvironment());
}

inline std::string Shipped() {
    return ReadWholeFile(KULKO_SHIPPED_HISTORY);
}

// The first lines of the shipped history.
inline std::string ShippedFirst(std::size_t draws) {
    std::vector<std::string> lines = ReadAllLines(KULKO_SHIPPED_HISTORY);
    lines.resize(draws);
    return JoinLinesCrLf(lines);
}

// The shipped history without its last draws.
inline std::string ShippedWithout(std::size_t draws) {
    return ShippedFirst(ReadAllLines(KULKO_SHIPPED_HISTORY).size() - draws);
}

inline std::string Sample(std::string_view name) {
    return std::string(KULKO_TEST_DATA) + "/wyniki/" + std::string(name);
}

class ToolTest : public ::testing::Test {
  protected:
    std::string Base() const { return (dir / "kulko.txt").string(); }
    ToolRun Add(std::vector<std::string> files, const std::string& input = {}) const {
        files.insert(files.begin(), "dodaj");
        files.insert(files.end(), {"--baza", Base()});
        return RunTool(files, input);
    }
    std::string Input(std::string_view name, const std::string& bytes) const {
        dir.Write(name, bytes);
        return (dir / name).string();
    }
    bool Unchanged(const std::string& before) const { return dir.Read("kulko.txt") == before; }

    TempDir dir;
};

}  // namespace kulko::test
