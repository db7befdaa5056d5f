#include "systemy_cli/analyses_options.hpp"

#include <utility>

#include "results/draw_summary.hpp"
#include "results/results_line.hpp"
#include "text/command_line.hpp"
#include "text/digits.hpp"
#include "text/text_to_number.hpp"

namespace kulko {
namespace {

std::optional<std::int64_t> WholeNumber(const std::string& text, std::int64_t low,
                                        std::int64_t high) {
    // Plain decimal digits only: a script's typo is refused, not read in part.
    if (text.size() > 9 || !AllDigits(text)) {
        return std::nullopt;
    }
    const std::int64_t value = TextToNumberValue(text);
    return value < low || value > high ? std::nullopt : std::optional(value);
}

// Stores in `field` the value named `text`, if it is one of `names`.
template <typename Enum>
bool Pick(const std::string& text, std::initializer_list<std::pair<const char*, Enum>> names,
          Enum& field) {
    for (const auto& [word, value] : names) {
        if (text == word) {
            field = value;
            return true;
        }
    }
    return false;
}

// Reads the values of the options given: each `Take` stores its value if it
// is right, and the first wrong one becomes the refusal.
class OptionValues {
  public:
    explicit OptionValues(const CommandLine& line) : line_(line) {}

    template <typename Read>
    void Take(std::string_view name, Read read) {
        const auto value = line_.Value(name);
        if (value && refusal_.empty() && !read(*value)) {
            refusal_ = "zła wartość opcji " + std::string(name) + ": " + Quoted(*value);
        }
    }

    // An option whose value is one of `names`.
    template <typename Enum>
    void Choose(std::string_view name, std::initializer_list<std::pair<const char*, Enum>> names,
                Enum& field) {
        Take(name, [&](const std::string& text) { return Pick(text, names, field); });
    }

    const std::string& Refusal() const { return refusal_; }

  private:
    const CommandLine& line_;
    std::string refusal_;
};

AnalysesRequest HistoryRequest(const CommandLine& line) {
    HistoryOptions options;
    options.setsFile = line.Value("--zestawy");
    options.set = line.Value("--zestaw");
    OptionValues values(line);
    const auto date = [](DateKey& field) {
        return [&field](const std::string& text) {
            const auto date = DateOfText(text);
            field = date.value_or(0);
            return date.has_value();
        };
    };
    values.Take("--od", date(options.from));
    values.Take("--do", date(options.to));
    if (!values.Refusal().empty()) {
        return values.Refusal();
    }
    if (options.setsFile && options.set) {
        return std::string("--zestawy i --zestaw wykluczają się");
    }
    return options;
}

AnalysesRequest FilterRequest(const CommandLine& line) {
    GeneratorOptions options;
    options.notIfAlreadyDrawn = line.Has("--juz-byla");
    OptionValues values(line);
    values.Choose("--tryb",
                  {{"normalny", DrawMode::Normal},
                   {"bez6", DrawMode::NoSix},
                   {"bez5", DrawMode::NoFive},
                   {"bez4", DrawMode::NoFour}},
                  options.mode);
    values.Choose("--warunek",
                  {{"dowolny", DrawCondition::Any},
                   {"bez2", DrawCondition::NoTwoInRow},
                   {"bez3", DrawCondition::NoThreeInRow},
                   {"parzyste", DrawCondition::EvenOnly},
                   {"nieparzyste", DrawCondition::OddOnly}},
                  options.condition);
    values.Take("--wymuszenie", [&](const std::string& text) {
        if (text.rfind("liczba:", 0) != 0) {
            return Pick(text,
                        {{"bez", DrawForcing::None},
                         {"max", DrawForcing::WithMax},
                         {"min", DrawForcing::WithMin}},
                        options.forcing);
        }
        const auto number = WholeNumber(text.substr(7), kLowestNumber, kHighestNumber);
        options.forcing = DrawForcing::WithNumber;
        options.forcedNumber = static_cast<std::int32_t>(number.value_or(1));
        return number.has_value();
    });
    values.Choose("--ostatnie",
                  {{"nie", RecentFilter::Ignore},
                   {"dwojki", RecentFilter::NoPair},
                   {"trojki", RecentFilter::NoTriple}},
                  options.recentFilter);
    values.Take("--z-ilu", [&](const std::string& text) {
        const auto count = WholeNumber(text, 1, kRecentDrawRows);
        options.recentCount = static_cast<std::int32_t>(count.value_or(1));
        return count.has_value();
    });
    values.Choose("--przewaga",
                  {{"nie", DrawBias::Ignore},
                   {"statystyka", DrawBias::AsStatistics},
                   {"niskie", DrawBias::LowMajority},
                   {"wysokie", DrawBias::HighMajority}},
                  options.bias);
    if (!values.Refusal().empty()) {
        return values.Refusal();
    }
    return options;
}

AnalysesRequest NumbersRequest(const CommandLine& line) {
    NumbersOptions options;
    OptionValues values(line);
    values.Take("--ostatnie", [&](const std::string& text) {
        const auto count = WholeNumber(text, 1, 1000000000);
        options.lastDraws = count.value_or(options.lastDraws);
        return count.has_value();
    });
    if (!values.Refusal().empty()) {
        return values.Refusal();
    }
    return options;
}

}  // namespace

AnalysesRequest ParseAnalysesOptions(const std::vector<std::string>& args) {
    const std::string& command = args.at(0);
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    const auto read =
        command == "historia" ? ReadCommandLine(rest, {"--zestawy", "--zestaw", "--od", "--do"}, {})
        : command == "filtry" ? ReadCommandLine(rest,
                                                {"--tryb", "--warunek", "--wymuszenie",
                                                 "--ostatnie", "--z-ilu", "--przewaga"},
                                                {"--juz-byla"})
                              : ReadCommandLine(rest, {"--ostatnie"}, {});
    if (const auto* wrong = std::get_if<std::string>(&read)) {
        return *wrong;
    }
    const CommandLine& line = std::get<CommandLine>(read);
    if (line.help) {
        return AnalysesHelp{};
    }
    if (!line.arguments.empty()) {
        return "nieznany argument " + Quoted(line.arguments.front());
    }
    return command == "historia" ? HistoryRequest(line)
           : command == "filtry" ? FilterRequest(line)
                                 : NumbersRequest(line);
}

}  // namespace kulko
