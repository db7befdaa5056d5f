#include "qt_shared/ball_colors.hpp"

namespace kulko {
namespace {

const QColor kBallColors[] = {QColor(200, 30, 30), QColor(30, 90, 200), QColor(30, 150, 60),
                              QColor(230, 160, 20), QColor(130, 40, 160)};

}  // namespace

QColor BallColor(int number) {
    return kBallColors[(number - 1) / 10 % 5];
}

}  // namespace kulko
