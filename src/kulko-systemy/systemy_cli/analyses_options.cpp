#include "systemy_cli/analyses_options.hpp"

#include <algorithm>
#include <utility>

#include "results/draw_summary.hpp"
#include "results/results_line.hpp"
#include "text/text_to_number.hpp"

namespace kulko {
namespace {

// Walks the options: each that takes a value gets the next argument.
class OptionWalk {
  public:
    explicit OptionWalk(const std::vector<std::string>& args) : args_(args) {}
    bool Next(std::string& name) {
        if (at_ >= args_.size()) {
            return false;
        }
        name = args_[at_++];
        return true;
    }
    std::optional<std::string> Value() {
        return at_ < args_.size() ? std::optional(args_[at_++]) : std::nullopt;
    }

  private:
    const std::vector<std::string>& args_;
    std::size_t at_ = 0;
};

std::optional<std::int64_t> WholeNumber(const std::string& text, std::int64_t low,
                                        std::int64_t high) {
    // Plain decimal digits only: a script's typo is refused, not read in part.
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c); })) {
        return std::nullopt;
    }
    const std::int64_t value = TextToNumberValue(text);
    return value < low || value > high ? std::nullopt : std::optional(value);
}

template <typename Enum>
std::optional<Enum> Named(const std::string& text,
                          std::initializer_list<std::pair<const char*, Enum>> names) {
    for (const auto& [name, value] : names) {
        if (text == name) {
            return value;
        }
    }
    return std::nullopt;
}

std::string Missing(const std::string& name) {
    return "opcja " + name + " wymaga wartości";
}
std::string Wrong(const std::string& name, const std::string& value) {
    return "zła wartość opcji " + name + ": „" + value + "”";
}
std::string Unknown(const std::string& name) {
    return "nieznany argument „" + name + "”";
}

}  // namespace

std::variant<HistoryOptions, std::string> ParseHistoryOptions(
    const std::vector<std::string>& args) {
    HistoryOptions options;
    OptionWalk walk(args);
    for (std::string name; walk.Next(name);) {
        if (name != "--zestawy" && name != "--zestaw" && name != "--od" && name != "--do") {
            return Unknown(name);
        }
        const auto value = walk.Value();
        if (!value) {
            return Missing(name);
        }
        if (name == "--zestawy") {
            options.setsFile = *value;
        } else if (name == "--zestaw") {
            options.set = *value;
        } else {
            const auto date = DateOfText(*value);
            if (!date) {
                return Wrong(name, *value);
            }
            (name == "--od" ? options.from : options.to) = *date;
        }
    }
    if (options.setsFile && options.set) {
        return std::string("--zestawy i --zestaw wykluczają się");
    }
    return options;
}

std::variant<GeneratorOptions, std::string> ParseFilterOptions(
    const std::vector<std::string>& args) {
    GeneratorOptions options;
    OptionWalk walk(args);
    for (std::string name; walk.Next(name);) {
        if (name == "--juz-byla") {
            options.notIfAlreadyDrawn = true;
            continue;
        }
        const auto value = walk.Value();
        if (!value) {
            return name.rfind("--", 0) == 0 ? Missing(name) : Unknown(name);
        }
        bool known = true;
        bool good = true;
        const auto take = [&](auto choice, auto& field) {
            good = choice.has_value();
            if (good) {
                field = *choice;
            }
        };
        if (name == "--tryb") {
            take(Named<DrawMode>(*value, {{"normalny", DrawMode::Normal},
                                          {"bez6", DrawMode::NoSix},
                                          {"bez5", DrawMode::NoFive},
                                          {"bez4", DrawMode::NoFour}}),
                 options.mode);
        } else if (name == "--warunek") {
            take(Named<DrawCondition>(*value, {{"dowolny", DrawCondition::Any},
                                               {"bez2", DrawCondition::NoTwoInRow},
                                               {"bez3", DrawCondition::NoThreeInRow},
                                               {"parzyste", DrawCondition::EvenOnly},
                                               {"nieparzyste", DrawCondition::OddOnly}}),
                 options.condition);
        } else if (name == "--wymuszenie") {
            if (value->rfind("liczba:", 0) == 0) {
                const auto number = WholeNumber(value->substr(7), kLowestNumber, kHighestNumber);
                good = number.has_value();
                options.forcing = DrawForcing::WithNumber;
                options.forcedNumber = static_cast<std::int32_t>(number.value_or(1));
            } else {
                take(Named<DrawForcing>(*value, {{"bez", DrawForcing::None},
                                                 {"max", DrawForcing::WithMax},
                                                 {"min", DrawForcing::WithMin}}),
                     options.forcing);
            }
        } else if (name == "--ostatnie") {
            take(Named<RecentFilter>(*value, {{"nie", RecentFilter::Ignore},
                                              {"dwojki", RecentFilter::NoPair},
                                              {"trojki", RecentFilter::NoTriple}}),
                 options.recentFilter);
        } else if (name == "--z-ilu") {
            const auto count = WholeNumber(*value, 1, kRecentDrawRows);
            good = count.has_value();
            options.recentCount = static_cast<std::int32_t>(count.value_or(1));
        } else if (name == "--przewaga") {
            take(Named<DrawBias>(*value, {{"nie", DrawBias::Ignore},
                                          {"statystyka", DrawBias::AsStatistics},
                                          {"niskie", DrawBias::LowMajority},
                                          {"wysokie", DrawBias::HighMajority}}),
                 options.bias);
        } else {
            known = false;
        }
        if (!known) {
            return Unknown(name);
        }
        if (!good) {
            return Wrong(name, *value);
        }
    }
    return options;
}

std::variant<NumbersOptions, std::string> ParseNumbersOptions(
    const std::vector<std::string>& args) {
    NumbersOptions options;
    OptionWalk walk(args);
    for (std::string name; walk.Next(name);) {
        if (name != "--ostatnie") {
            return Unknown(name);
        }
        const auto value = walk.Value();
        if (!value) {
            return Missing(name);
        }
        const auto count = WholeNumber(*value, 1, 1000000000);
        if (!count) {
            return Wrong(name, *value);
        }
        options.lastDraws = *count;
    }
    return options;
}

}  // namespace kulko
