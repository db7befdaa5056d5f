#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kulko {

// Text quoted the Polish way, for messages: „text”.
std::string Quoted(std::string_view text);

// A command line taken apart: whether help was asked for ("-h" or "--help"),
// the options given (a flag with an empty value; of an option given twice,
// the last), and the other arguments in their order ("-" among them, and
// everything after "--").
struct CommandLine {
    bool help = false;
    std::map<std::string, std::string, std::less<>> options;
    std::vector<std::string> arguments;

    bool Has(std::string_view name) const { return options.contains(name); }
    std::optional<std::string> Value(std::string_view name) const;
};

// Reads a command line whose options are `valued` ("--name value" or
// "--name=value"; the value is the next argument whatever it looks like) and
// `flags` ("--name"). Gives the line, or the refusal (in Polish) of an
// option that is none of these or of a value that is missing or empty.
std::variant<CommandLine, std::string> ReadCommandLine(
    const std::vector<std::string>& args, std::initializer_list<std::string_view> valued,
    std::initializer_list<std::string_view> flags);

}  // namespace kulko
