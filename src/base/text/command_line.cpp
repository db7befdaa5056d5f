#include "text/command_line.hpp"

#include <algorithm>

namespace kulko {

std::string Quoted(std::string_view text) {
    return "„" + std::string(text) + "”";
}

std::optional<std::string> CommandLine::Value(std::string_view name) const {
    const auto given = options.find(name);
    return given == options.end() ? std::nullopt : std::optional(given->second);
}

std::variant<CommandLine, std::string> ReadCommandLine(
    const std::vector<std::string>& args, std::initializer_list<std::string_view> valued,
    std::initializer_list<std::string_view> flags) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            line.arguments.insert(line.arguments.end(), args.begin() + i + 1, args.end());
            break;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            line.arguments.push_back(arg);  // "-" is standard input
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            line.help = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const bool takesValue = std::find(valued.begin(), valued.end(), name) != valued.end();
        const bool isFlag = equals == std::string::npos &&
                            std::find(flags.begin(), flags.end(), name) != flags.end();
        if (!takesValue && !isFlag) {
            return "nieznana opcja " + Quoted(arg);
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (takesValue && i + 1 < args.size()) {
            value = args[++i];
        }
        if (takesValue && value.empty()) {
            return "opcja " + name + " wymaga wartości";
        }
        line.options[name] = std::move(value);
    }
    return line;
}

}  // namespace kulko
