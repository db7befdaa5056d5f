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
    const auto read = ReadCommandLine(args, {"--gwarancja", "--czas", "--ziarno", "--tabela"},
                                      {"--pelny", "--version"});
    if (const auto* wrong = std::get_if<std::string>(&read)) {
        return *wrong;
    }
    const CommandLine& line = std::get<CommandLine>(read);
    CommandOptions options;
    options.help = line.help;
    options.version = line.Has("--version");
    if (options.help || options.version) {
        return options;
    }
    options.full = line.Has("--pelny");
    options.guarantee = line.Value("--gwarancja");
    if (const auto table = line.Value("--tabela")) {
        options.table = *table;
    }
    if (const auto seconds = line.Value("--czas");
        seconds && !ReadWhole(*seconds, 1, 3600, options.seconds)) {
        return "--czas to liczba sekund od 1 do 3600, nie " + Quoted(*seconds);
    }
    if (const auto seed = line.Value("--ziarno");
        seed && !ReadWhole<std::uint32_t>(*seed, 0, 4294967295u, options.seed)) {
        return "--ziarno to liczba całkowita od 0 do 4294967295, nie " + Quoted(*seed);
    }
    const std::vector<std::string>& words = line.arguments;
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
