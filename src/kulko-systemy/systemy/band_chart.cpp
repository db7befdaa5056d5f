#include "systemy/band_chart.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "text/polish_text.hpp"

namespace kulko {
namespace {

constexpr int kLeft = 50;
constexpr int kTop = 40;
constexpr int kBottom = kBandChartHeight - 30;
constexpr int kStep = 14;  // pixels a number

int Column(int n) {
    return kLeft + kStep * n;
}

}  // namespace

void DrawBandChart(Canvas& canvas, const std::array<std::int64_t, kHighestNumber>& counts,
                   ChanceBand band, double expected) {
    // The scale starts at zero, so that a bar's height is its count and
    // chance's small differences do not look large.
    const auto most = std::max_element(counts.begin(), counts.end());
    const double top = static_cast<double>(std::max<std::int64_t>({*most, band.high, 1}));
    const auto y = [top](double value) {
        return kBottom - static_cast<int>(std::lround((kBottom - kTop) * value / top));
    };
    const int right = Column(kHighestNumber) + kStep;
    canvas.SetPen(colors::kBlack, 1);
    canvas.SetFontColor(colors::kBlack);
    canvas.Line(kLeft, kTop, kLeft, kBottom);
    canvas.Line(kLeft, kBottom, right, kBottom);
    canvas.Text(4, kBottom - 6, "0");
    canvas.Text(4, kTop - 6, WithThousands(static_cast<std::uint64_t>(top)));
    for (int n = 1; n <= kHighestNumber; n += 4) {
        canvas.Text(Column(n) - 5, kBottom + 6, std::to_string(n));
    }
    canvas.SetPen(colors::kSilver, 1);
    canvas.Line(kLeft, y(static_cast<double>(band.low)), right, y(static_cast<double>(band.low)));
    canvas.Line(kLeft, y(static_cast<double>(band.high)), right, y(static_cast<double>(band.high)));
    canvas.SetPen(colors::kGray, 1);
    canvas.Line(kLeft, y(expected), right, y(expected));
    for (int n = 1; n <= kHighestNumber; ++n) {
        const std::int64_t count = counts[static_cast<std::size_t>(n - 1)];
        const Rgb color = count > band.high  ? colors::kRed
                          : count < band.low ? colors::kBlue
                                             : colors::kTeal;
        canvas.SetPen(color, 8);
        canvas.Line(Column(n), kBottom, Column(n), y(static_cast<double>(count)));
    }
    canvas.SetFontColor(colors::kBlack);
    canvas.Text(kLeft + 10, kTop - 34,
                "Ile razy padła każda liczba; szare linie: pasmo, w którym sam przypadek "
                "mieści 95% wyników, i jego środek");
    canvas.SetFontColor(colors::kRed);
    canvas.Text(kLeft + 10, kTop - 18, "powyżej pasma");
    canvas.SetFontColor(colors::kTeal);
    canvas.Text(kLeft + 130, kTop - 18, "w paśmie");
    canvas.SetFontColor(colors::kBlue);
    canvas.Text(kLeft + 230, kTop - 18, "poniżej pasma");
}

}  // namespace kulko
