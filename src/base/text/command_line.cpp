#include "text/command_line.hpp"

#include <algorithm>

namespace kulko {

std::string Quoted(std::string_view text) {
    return "„" + std::string(text) + "”";
}

std::variant<std::pair<std::string, std::string>, std::string> ReadOptionValue(
    const std::vector<std::string>& args, std::size_t& i,
    std::initializer_list<std::string_view> names) {
    const std::string& arg = args[i];
    const std::size_t equals = arg.find('=');
    std::string name = arg.substr(0, equals);
    if (std::find(names.begin(), names.end(), name) == names.end()) {
        return "nieznana opcja " + Quoted(arg);
    }
    std::string value;
    if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
        value = args[++i];
    }
    if (value.empty()) {
        return "opcja " + name + " wymaga wartości";
    }
    return std::pair{std::move(name), std::move(value)};
}

}  // namespace kulko
