// Showing an accepted set: text, attempt count, chart marks, balls, draw log.
#include "app/tgenerator.hpp"
#include "files/work_files.hpp"
#include "generator/ball_pictures.hpp"
#include "generator/draw_log.hpp"
#include "stats/chart_scale.hpp"

namespace kulko {
namespace {

// The marks stand in the columns of the frequency chart, whose legend
// explains blue as the set drawn now.
Canvas DrawnSetMarks(const NumberSet& set) {
    Canvas marks;
    marks.SetPen(colors::kBlue, 5);
    for (int n : set) {
        marks.Ellipse(ChartColumn(n), 250, ChartColumn(n) + 6, 256);
    }
    return marks;
}

}  // namespace

void Tgenerator::ShowDrawnSet() {
    Panel1.caption = PendingSetText;
    Label3.caption = "Ilość losowań " + std::to_string(DrawAttempts);
    screen_.DrawMarks(DrawnSetMarks(CurrentSet));

    // The picture of 1 alone decides whether balls are shown. A missing
    // picture of another number ends the press at that picture, with the
    // pictures before it loaded and the panel not shown.
    if (BallPicturesPresent(workDir_)) {
        Control* const balls[] = {&obraz1, &obraz2, &obraz3, &obraz4, &obraz5, &obraz6};
        for (std::size_t k = 0; k < CurrentSet.size(); ++k) {
            Control& ball = *balls[k];
            ball.picture = LoadJpegPicture(BallPicturePath(workDir_, CurrentSet[k]),
                                           ball.bounds.width, ball.bounds.height);
        }
        // Exactly over Panel1 and taller, so the balls hide the set text.
        Place(Panel5, 8, 407, 350, 115);
    }

    // The chart's last count of the log spares the append a read of it.
    AppendToDrawLog(File(kDrawLog), Panel1.caption, drawLogCounts_.Known());
}

}  // namespace kulko
