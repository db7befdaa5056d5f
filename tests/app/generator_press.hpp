#pragma once

// "Losuj" pressed through the window class on a small results file: the
// fixture of the tests of the draw and of the set it shows.
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "files/in_out_error.hpp"
#include "generator/ball_pictures.hpp"
#include "generator/jpeg_writer.hpp"
#include "generator/sample_histories.hpp"
#include "support/window_fixture.hpp"

namespace kulko::test {

inline constexpr const char* kFailureText =
    "Problem z wygenerowaniem zestawu liczb. Zmień kryteria losowania.";
inline constexpr const char* kStartLog = "1;2;3;4;5;6\r\n";

class GeneratorPress : public WindowTest {
  protected:
    // Start-up on a results file of these numbers parts, with the check on.
    Tgenerator& StartWith(std::initializer_list<std::string_view> numbers) {
        std::string text;
        int draw = 0;
        for (std::string_view part : numbers) {
            char prefix[32];
            std::snprintf(prefix, sizeof prefix, "%04d;27.01.1957;", ++draw);
            text += prefix + std::string(part) + "\r\n";
        }
        dir.Write("kulko.txt", text);
        WriteSettings('\0', '\0', '\1');
        return Start();
    }
    Tgenerator& StartDefault() {
        return StartWith({"8;12;31;39;43;45", "5;10;11;22;25;27", "18;19;20;26;45;49"});
    }
    std::string Press() {
        try {
            window->SpeedButton2Click();
        } catch (const InOutError& error) {
            return error.what();
        }
        return "";
    }
    // What the press with the fake system's seed draws at its attempts.
    std::vector<NumberSet> Stream(int attempts) const {
        return CandidateStream(system.seed, attempts);
    }
    // A picture of its own colour for every number, or for some only.
    void WriteBalls(const std::vector<int>& numbers) {
        for (int n : numbers) {
            WriteFlatJpeg(BallPicturePath(dir.Path(), n), 50, 50, static_cast<std::uint8_t>(5 * n),
                          100, 0);
        }
    }
    static std::vector<int> AllNumbers() {
        std::vector<int> all;
        for (int n = 1; n <= 49; ++n) {
            all.push_back(n);
        }
        return all;
    }
};

}  // namespace kulko::test
