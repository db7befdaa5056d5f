#include "systemy/wins_chart.hpp"

#include <algorithm>
#include <cmath>

#include "text/decimal_text.hpp"
#include "text/polish_text.hpp"

namespace kulko {
namespace {

constexpr int kLeft = 60;
constexpr int kRight = kWinsChartWidth - 20;
constexpr int kTop = 30;
constexpr int kBottom = kWinsChartHeight - 30;

int Y(double value, double top) {
    return kBottom - static_cast<int>(std::lround((kBottom - kTop) * value / top));
}

}  // namespace

void DrawWinsChart(Canvas& canvas, const std::vector<std::int64_t>& wins, double expectedPerDraw,
                   const std::string& legend) {
    canvas.SetPen(colors::kBlack, 1);
    canvas.SetFontColor(colors::kBlack);
    canvas.Line(kLeft, kTop, kLeft, kBottom);
    canvas.Line(kLeft, kBottom, kRight, kBottom);
    canvas.Text(kLeft - 12, kBottom + 4, "0");
    if (wins.empty()) {
        canvas.Text(kLeft + 10, kTop - 20, "Brak losowań do pokazania.");
        return;
    }
    const auto draws = static_cast<double>(wins.size());
    const double expected = draws * expectedPerDraw;
    const double top = std::max({static_cast<double>(wins.back()), expected, 1.0});
    canvas.Text(4, kTop - 6, DecimalText(top, 0));
    canvas.Line(kLeft - 4, kTop, kLeft, kTop);
    canvas.Text(kRight - 140, kBottom + 6, "losowania: " + WithThousands(wins.size()));
    canvas.Text(kLeft + 10, kTop - 24, legend);

    canvas.SetPen(colors::kGray, 1);
    canvas.Line(kLeft, kBottom, kRight, Y(expected, top));
    // One point a pixel column: the count after the last draw that falls
    // into it, so a long history draws as many steps as the chart is wide.
    canvas.SetPen(colors::kRed, 2);
    int lastX = kLeft;
    int lastY = kBottom;
    const int width = kRight - kLeft;
    for (int x = kLeft + 1; x <= kRight; ++x) {
        const auto upTo = static_cast<std::size_t>(
            std::ceil(draws * static_cast<double>(x - kLeft) / static_cast<double>(width)));
        if (upTo == 0) {
            continue;
        }
        const int y = Y(static_cast<double>(wins[std::min(upTo, wins.size()) - 1]), top);
        canvas.Line(lastX, lastY, x, y);
        lastX = x;
        lastY = y;
    }
    canvas.SetFontColor(colors::kRed);
    canvas.Text(kLeft + 10, kTop - 10, "czerwona: trafienia 3 i więcej, narastająco");
    canvas.SetFontColor(colors::kGray);
    canvas.Text(kLeft + 330, kTop - 10, "szara: tyle daje sam przypadek");
}

}  // namespace kulko
