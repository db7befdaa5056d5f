#include "import/input_list.hpp"

#include <algorithm>

#include "import/line_fields.hpp"
#include "text/command_line.hpp"

namespace kulko {
namespace {

using Draws = std::vector<PlacedDraw>;

// A blank line, or a table row of empty fields only.
bool IsEmptyRow(std::string_view line) {
    const std::vector<std::string_view> fields = LineFields(line);
    return fields.size() == 1 && fields.front().empty();
}

// The columns of a header the tool could not read, for the refusal of a row.
std::string UnknownColumnsText(std::string_view header) {
    std::string names;
    for (const std::string& name : UnknownColumns(header)) {
        names += (names.empty() ? "" : ", ") + Quoted(name);
    }
    return names.empty() ? std::string()
                         : " (nagłówek tabeli ma kolumny, których program nie zna: " + names +
                               "; nazwy kolumn podaje kulko-wyniki --help)";
}

// The order of day and month that every date "A/B/YYYY" of the draws
// fits; the first draw that fits neither or both orders otherwise.
std::optional<BadInput> ReadSlashDates(Draws::iterator first, Draws::iterator last) {
    const auto fits = [](const SlashDate& slash, bool dayFirst) {
        return CalendarDay(slash.year, dayFirst ? slash.second : slash.first,
                           dayFirst ? slash.first : slash.second);
    };
    const PlacedDraw* onlyMonthFirst = nullptr;
    const PlacedDraw* onlyDayFirst = nullptr;
    const PlacedDraw* either = nullptr;
    for (auto it = first; it != last; ++it) {
        const SlashDate& slash = it->draw.slash;
        if (slash.year == 0) {
            continue;
        }
        const bool dayFirst = fits(slash, true).has_value();
        const bool monthFirst = fits(slash, false).has_value();
        if (!dayFirst && !monthFirst) {
            return BadInput{it->place, "nieistniejąca data"};
        }
        onlyDayFirst = onlyDayFirst ? onlyDayFirst : (dayFirst && !monthFirst ? &*it : nullptr);
        onlyMonthFirst =
            onlyMonthFirst ? onlyMonthFirst : (monthFirst && !dayFirst ? &*it : nullptr);
        either = either ? either
                        : (dayFirst && monthFirst && slash.first != slash.second ? &*it : nullptr);
    }
    if (onlyDayFirst && onlyMonthFirst) {
        return BadInput{
            onlyMonthFirst->place,
            "ta data z ukośnikami może znaczyć tylko miesiąc/dzień/rok, a data w wierszu " +
                std::to_string(onlyDayFirst->place.lineNumber) +
                " tylko dzień/miesiąc/rok; zapisz daty jako RRRR-MM-DD"};
    }
    if (either && !onlyDayFirst && !onlyMonthFirst) {
        const SlashDate& slash = either->draw.slash;
        return BadInput{either->place,
                        "daty z ukośnikami tego pliku mogą znaczyć dzień/miesiąc/rok albo "
                        "miesiąc/dzień/rok (tu " +
                            DateText(MakeDateKey(slash.year, slash.second, slash.first)) +
                            " albo " +
                            DateText(MakeDateKey(slash.year, slash.first, slash.second)) +
                            "), a żadna z nich tego nie rozstrzyga; zapisz daty jako RRRR-MM-DD"};
    }
    const bool dayFirst = onlyDayFirst != nullptr || !onlyMonthFirst;
    for (auto it = first; it != last; ++it) {
        if (it->draw.slash.year != 0) {
            it->draw.dateKey = *fits(it->draw.slash, dayFirst);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<BadInput> ReadInputDraws(InputSource& source, DateKey today, Draws& draws) {
    const std::size_t firstDraw = draws.size();
    std::optional<Columns> columns;
    std::string_view header;
    std::size_t lineNumber = 0;
    source.lines.Rewind();
    for (std::string_view line; source.lines.ReadLine(line);) {
        ++lineNumber;
        const std::string_view trimmed = TrimmedLine(line);
        if (IsEmptyRow(trimmed) || trimmed == header) {
            continue;
        }
        if (header.empty() && draws.size() == firstDraw && LooksLikeHeader(trimmed)) {
            header = trimmed;
            columns = ReadHeader(trimmed);
            continue;
        }
        const InputPlace place{source.name, lineNumber, line};
        LineReading reading = columns ? ReadInputRow(line, *columns) : ReadInputLine(line);
        if (auto* fault = std::get_if<LineFault>(&reading)) {
            if (ReadHeader(trimmed)) {
                fault->reason = "nagłówek tabeli może stać tylko w jej pierwszym wierszu";
            } else if (!columns && !header.empty()) {
                fault->reason += UnknownColumnsText(header);
            }
            return BadInput{place, std::move(fault->reason)};
        }
        draws.push_back({std::get<InputDraw>(reading), place});
    }
    if (draws.size() == firstDraw) {
        return BadInput{{source.name, 0, {}}, "nie ma w nim żadnego losowania"};
    }
    if (auto bad =
            ReadSlashDates(draws.begin() + static_cast<std::ptrdiff_t>(firstDraw), draws.end())) {
        return bad;
    }
    const auto future =
        std::find_if(draws.begin() + static_cast<std::ptrdiff_t>(firstDraw), draws.end(),
                     [&](const PlacedDraw& placed) { return placed.draw.dateKey > today; });
    if (future != draws.end()) {
        return BadInput{future->place, "losowanie z " + DateText(future->draw.dateKey) +
                                           " ma datę późniejszą niż dzisiejsza (" +
                                           DateText(today) + ")"};
    }
    return std::nullopt;
}

}  // namespace kulko
