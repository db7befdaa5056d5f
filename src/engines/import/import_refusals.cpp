#include "import/import_refusals.hpp"

namespace kulko {
namespace {

std::string Numbered(std::size_t number) {
    return "nr " + std::to_string(number);
}

// "losowanie nr 7296 z 03.01.2026 (7;10;21;22;42;45)", the number only where given.
std::string DrawText(std::size_t number, DateKey date, const NumberSet& numbers) {
    return "losowanie " + (number != 0 ? Numbered(number) + " " : std::string()) + "z " +
           DateText(date) + " (" + NumberSetText(numbers) + ")";
}

std::string DrawText(const PlacedDraw& placed) {
    return DrawText(placed.draw.drawNumber, placed.draw.dateKey, placed.draw.numbers);
}

std::string Source(const InputPlace* place) {
    return place != nullptr ? PlaceText(*place) : std::string("baza");
}

// "1 dzień", "3 dni".
std::string DaysText(long days) {
    return std::to_string(days) + (days == 1 ? " dzień" : " dni");
}

}  // namespace

std::string PlaceText(const InputPlace& place) {
    std::string text(place.source);
    return place.lineNumber == 0 ? text : text + ", wiersz " + std::to_string(place.lineNumber);
}

std::string NumberConflictText(const PlacedDraw& incoming, DateKey otherDate,
                               const NumberSet& otherNumbers, const InputPlace* otherPlace) {
    return PlaceText(incoming.place) + ": " + DrawText(incoming) + ", a " + Source(otherPlace) +
           " podaje " + DrawText(incoming.draw.drawNumber, otherDate, otherNumbers);
}

std::string DateConflictText(const PlacedDraw& incoming, const NumberSet& otherNumbers,
                             const InputPlace* otherPlace) {
    return PlaceText(incoming.place) + ": losowanie z " + DateText(incoming.draw.dateKey) +
           " ma liczby " + NumberSetText(incoming.draw.numbers) + ", a " + Source(otherPlace) +
           " podaje dla tej daty liczby " + NumberSetText(otherNumbers);
}

std::string MissingNumbersText(const PlacedDraw& afterGap,
                               const std::vector<std::pair<std::size_t, std::size_t>>& gaps,
                               std::size_t lastNumber) {
    std::string missing;
    std::size_t count = 0;
    for (const auto& [first, last] : gaps) {
        missing += (missing.empty() ? "" : ", ") + std::to_string(first) +
                   (last != first ? "–" + std::to_string(last) : "");
        count += last - first + 1;
    }
    return PlaceText(afterGap.place) + ": " +
           (count == 1 ? "brak losowania nr " : "brak losowań nr ") + missing +
           " (ostatnie losowanie w bazie ma nr " + std::to_string(lastNumber) +
           "); pod innymi numerami niż podane losowania trafiłyby do bazy błędnie, więc "
           "dodaj je razem z brakującymi";
}

std::string OutOfOrderText(const PlacedDraw& incoming, const PlacedDraw* previous,
                           std::size_t lastNumber, DateKey previousDate) {
    const std::string before = previous != nullptr
                                   ? "losowanie " + Numbered(previous->draw.drawNumber)
                                   : "ostatnie losowanie w bazie (" + Numbered(lastNumber) + ")";
    return PlaceText(incoming.place) + ": " + DrawText(incoming) + " ma datę wcześniejszą niż " +
           before + " z " + DateText(previousDate);
}

std::string UnknownNumberText(const PlacedDraw& incoming) {
    return PlaceText(incoming.place) + ": " + DrawText(incoming) +
           ": w bazie nie ma losowania o tym numerze, choć ma dalsze; numery w bazie nie idą "
           "kolejno (program porządkuje je przyciskiem „Renumeracja bazy”)";
}

std::string KnownUnderOtherNumberText(const PlacedDraw& incoming, std::size_t number) {
    return PlaceText(incoming.place) + ": " + DrawText(incoming) + " jest już w bazie" +
           (number != 0 ? " jako losowanie " + Numbered(number) : std::string());
}

std::string NumbersStepBackText(const PlacedDraw& unnumbered, std::size_t lastNumber,
                                std::size_t highestNumber) {
    return PlaceText(unnumbered.place) + ": " + DrawText(unnumbered) +
           " nie ma numeru, a ostatnie losowanie w bazie ma " + Numbered(lastNumber) +
           ", choć baza ma już " + Numbered(highestNumber) +
           ": kolejne numery powtórzyłyby numery z bazy; podaj numery losowań albo uporządkuj "
           "bazę przyciskiem „Renumeracja bazy”";
}

std::string PauseTooLongText(const PlacedDraw& unnumbered, DateKey previousDate, long pause,
                             long longest, std::size_t recent) {
    return PlaceText(unnumbered.place) + ": między losowaniami z " + DateText(previousDate) +
           " i z " + DateText(unnumbered.draw.dateKey) + " mija " + DaysText(pause) +
           ", więcej niż między którymikolwiek z ostatnich " + std::to_string(recent) +
           " losowań w bazie (najwyżej " + DaysText(longest) +
           "); mogło tam być losowanie, którego lista nie podaje, więc numery nadane kolejno "
           "byłyby błędne: podaj numery losowań (albo listę, która je ma)";
}

std::string MixedNumberingText(const PlacedDraw& unnumbered, const PlacedDraw& numbered) {
    return PlaceText(unnumbered.place) + ": " + DrawText(unnumbered) +
           " nie ma numeru, a nowe losowania z " + PlaceText(numbered.place) +
           " go mają: nie wiadomo, pod jakim numerem je zapisać (podaj numery we wszystkich "
           "wierszach albo w żadnym)";
}

}  // namespace kulko
