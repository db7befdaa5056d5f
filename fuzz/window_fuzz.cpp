// The window class over files of any content: start-up, the chart, a draw
// under options taken from the input, storing, checking, the search, the
// views and the renumbering. Nothing may crash or misbehave; file errors are
// allowed (they become the error box). The input is cut at bytes 0 into the
// results file, the draw log, the memory file, the typed numbers and the
// option bytes.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/tgenerator.hpp"
#include "files/in_out_error.hpp"
#include "files/text_file.hpp"
#include "fuzz_support.hpp"
#include "support/fakes.hpp"

using namespace kulko;

namespace {

// Runs a handler; a file error is what the error box would show. No
// handler here may end the program.
template <typename Handler>
void Press(Handler&& handler) {
    try {
        handler();
    } catch (const InOutError&) {
    } catch (const test::ProgramExited&) {
        fuzz::Fail("the window ended the program");
    }
}

std::vector<std::string_view> Sections(std::string_view input, std::size_t count) {
    std::vector<std::string_view> sections;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const auto [head, rest] = fuzz::SplitAtNul(input);
        sections.push_back(head);
        input = rest;
    }
    sections.push_back(input);
    return sections;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto sections = Sections(fuzz::AsText(data, size), 5);
    const std::string_view options = sections[4];
    const auto option = [&](std::size_t i) -> unsigned {
        return i < options.size() ? static_cast<unsigned char>(options[i]) : 0u;
    };

    const std::filesystem::path dir = fuzz::ScratchDir() / "window";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    WriteNewFile(dir / "kulko.txt", sections[0]);
    WriteNewFile(dir / "losowania_kulko.txt", sections[1]);
    if (!sections[2].empty()) {
        WriteNewFile(dir / "wyniki_kulko.txt", sections[2]);
    }
    WriteNewFile(dir / "komunikat_l.113", "");
    WriteNewFile(dir / "ustalenia_kulko.dat", std::string(1, '\0'));
    WriteNewFile(dir / "ustalenia_kulko_apli.dat", std::string(1, '\0'));
    WriteNewFile(dir / "ustalenia_kulko_kontrola.dat", std::string(1, char(option(0) & 1)));

    // Every question answered Yes; offline, with the seed from the options.
    test::FakeScreen screen;
    screen.laterAnswer = true;
    test::FakeSystem system;
    system.seed = option(1) * 16777619u + option(2);
    Tgenerator window(dir, screen, system, "updates.invalid");
    Press([&] { window.FormCreate(); });
    Canvas canvas;
    Press([&] { window.FormPaint(canvas); });

    // Options from the option bytes; typed texts from the typed section.
    Control* const modes[] = {&window.los1, &window.los2, &window.los3, &window.los4};
    Control* const conditions[] = {&window.w1, &window.w2, &window.w3, &window.w4, &window.w5};
    Control* const forcings[] = {&window.los7, &window.los6, &window.los5, &window.los8,
                                 &window.los9};
    Control* const recents[] = {&window.os1, &window.os2, &window.os3};
    Control* const biases[] = {&window.prz1, &window.prz2, &window.prz3, &window.prz4};
    window.Select(*modes[option(3) % 4]);
    window.Select(*conditions[option(4) % 5]);
    window.Select(*forcings[option(5) % 5]);
    window.Select(*recents[option(6) % 3]);
    window.Select(*biases[option(7) % 4]);
    window.os4.checked = (option(8) & 1) != 0;
    const auto typed = Sections(sections[3], 3);
    window.wyniki_losowan.text = std::string(typed[0]);
    window.liczby.text = std::string(typed[1]);
    window.ile_los.text = std::string(typed[2]);
    Press([&] { window.Timer1Timer(); });

    const std::size_t noticesBefore = screen.notices.size();
    Press([&] { window.SpeedButton2Click(); });
    if (screen.notices.size() == noticesBefore && !window.PendingSetText.empty()) {
        fuzz::Require(window.PendingSetText.size() <= 17, "pending set text too long");
    }
    Press([&] { window.SpeedButton6Click(); });
    Press([&] { window.SpeedButton8Click(); });
    Press([&] { window.SpeedButton9Click(); });
    Press([&] { window.SpeedButton3Click(); });
    Press([&] { window.SpeedButton4Click(); });
    Press([&] { window.FormPaint(canvas); });

    // The renumbering keeps every line. Its last line is written without a
    // line end, so a last line that is empty is the one it may drop.
    std::vector<std::string> before;
    Press([&] { before = ReadAllLines(dir / "kulko.txt"); });
    bool renumbered = false;
    Press([&] {
        window.BitBtn4Click();
        renumbered = true;
    });
    if (renumbered) {
        const std::vector<std::string> after = ReadAllLines(dir / "kulko.txt");
        const bool droppedEmptyLast = after.size() + 1 == before.size() && before.back().empty();
        fuzz::Require(after.size() == before.size() || droppedEmptyLast,
                      "renumbering lost or added lines");
        for (std::size_t i = 0; i < after.size(); ++i) {
            const std::size_t semicolon = before[i].find(';');
            fuzz::Require(semicolon == std::string::npos
                              ? after[i] == before[i]
                              : after[i].substr(after[i].find(';')) == before[i].substr(semicolon),
                          "renumbering changed more than the draw number");
        }
    }
    return 0;
}
