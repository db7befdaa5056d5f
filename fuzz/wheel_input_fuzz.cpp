// The systems window's readers: the numbers as typed and the shipped table
// of systems. The input is the typed text, a byte 0, then a table.
#include <cstdint>
#include <string>

#include "fuzz_support.hpp"
#include "wheels/number_choice.hpp"
#include "wheels/wheel_table.hpp"

using namespace kulko;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [typed, tableText] = fuzz::SplitAtNul(fuzz::AsText(data, size));

    // What reads is only numbers of the game, and reads back the same.
    const NumberChoice choice = ParseNumberChoice(typed);
    fuzz::Require(choice.error.empty() || choice.numbers == 0, "refused text kept numbers");
    fuzz::Require((choice.numbers & ~(((NumberBits{1} << 49) - 1) << 1)) == 0,
                  "a number outside 1 to 49");
    const NumberChoice back = ParseNumberChoice(NumberChoiceText(choice.numbers));
    fuzz::Require(back.error.empty() && back.numbers == choice.numbers,
                  "the shortest form does not read back");

    // Every system read holds tickets of six of its positions, and the table
    // written out reads back the same.
    std::string damage;
    const WheelTable table = WheelTable::Parse(tableText, damage);
    for (const WheelTable::Entry& entry : table.Entries()) {
        for (const NumberBits ticket : *entry.tickets) {
            fuzz::Require(CountBits(ticket) == 6 && ticket >> entry.v == 0, "a ticket out of shape");
        }
    }
    const WheelTable again = WheelTable::Parse(table.Text({}), damage);
    fuzz::Require(damage.empty() && again.Entries().size() == table.Entries().size(),
                  "the table does not read back");
    for (const WheelTable::Entry& entry : table.Entries()) {
        const Tickets* read = again.Find(entry.v, entry.guarantee);
        fuzz::Require(read != nullptr && read->size() == entry.tickets->size(),
                      "a system changed on its way back");
    }
    return 0;
}
