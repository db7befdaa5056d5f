#include "systemy_cli/command_options.hpp"

#include <charconv>

#include "text/command_line.hpp"

namespace kulko {
namespace {

template <typename Number>
bool ReadWhole(const std::string& text, Number min, Number max, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() &&
           value >= min && value <= max;
}

}  // namespace

std::variant<CommandOptions, std::string> ParseCommandOptions(
    const std::vector<std::string>& args) {
    CommandOptions options;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            options.help = true;
            continue;
        }
        if (arg == "--pelny") {
            options.full = true;
            continue;
        }
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            words.push_back(arg);
            continue;
        }
        const auto option =
            ReadOptionValue(args, i, {"--gwarancja", "--czas", "--ziarno", "--tabela"});
        if (const auto* wrong = std::get_if<std::string>(&option)) {
            return *wrong;
        }
        const auto& [name, value] = std::get<std::pair<std::string, std::string>>(option);
        if (name == "--gwarancja") {
            options.guarantee = value;
        } else if (name == "--tabela") {
            options.table = value;
        } else if (name == "--czas") {
            if (!ReadWhole(value, 1, 3600, options.seconds)) {
                return "--czas to liczba sekund od 1 do 3600, nie " + Quoted(value);
            }
        } else {
            if (!ReadWhole<std::uint32_t>(value, 0, 4294967295u, options.seed)) {
                return "--ziarno to liczba całkowita od 0 do 4294967295, nie " + Quoted(value);
            }
        }
    }
    if (options.help) {
        return options;
    }
    if (words.empty() || words[0] != "system") {
        return "brak polecenia system";
    }
    if (words.size() != 2) {
        return words.size() < 2 ? "brak liczb do rozpisania"
                                : "nadmiarowy argument " + Quoted(words[2]);
    }
    options.numbers = words[1];
    if (options.full == options.guarantee.has_value()) {
        return "podaj albo --gwarancja TzM, albo --pelny";
    }
    if (options.guarantee && !ParseGuarantee(*options.guarantee)) {
        return "gwarancja " + Quoted(*options.guarantee) + " nie ma postaci TzM, np. 3z6";
    }
    return options;
}

}  // namespace kulko
