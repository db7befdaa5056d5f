#pragma once

#include <QColor>

namespace kulko {

// The colour of a ball as both windows draw it: one colour for each ten
// numbers (1-10 red, 11-20 blue, 21-30 green, 31-40 amber, 41-49 violet).
QColor BallColor(int number);

}  // namespace kulko
