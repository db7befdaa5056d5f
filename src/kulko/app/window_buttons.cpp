// What the window's buttons do and show: the handler a click calls and the
// number on the ball drawn on the button.
#include "app/tgenerator.hpp"

namespace kulko {

void Tgenerator::BindButtons() {
    SpeedButton1.onClick = &Tgenerator::SpeedButton1Click;
    SpeedButton2.onClick = &Tgenerator::SpeedButton2Click;
    SpeedButton3.onClick = &Tgenerator::SpeedButton3Click;
    SpeedButton4.onClick = &Tgenerator::SpeedButton4Click;
    SpeedButton5.onClick = &Tgenerator::SpeedButton5Click;
    SpeedButton6.onClick = &Tgenerator::SpeedButton6Click;
    SpeedButton7.onClick = &Tgenerator::SpeedButton7Click;
    SpeedButton8.onClick = &Tgenerator::SpeedButton8Click;
    SpeedButton9.onClick = &Tgenerator::SpeedButton9Click;
    SpeedButton10.onClick = &Tgenerator::SpeedButton10Click;
    SpeedButton11.onClick = &Tgenerator::SpeedButton11Click;
    SpeedButton12.onClick = &Tgenerator::SpeedButton12Click;
    BitBtn1.onClick = &Tgenerator::BitBtn1Click;
    BitBtn2.onClick = &Tgenerator::BitBtn2Click;
    BitBtn3.onClick = &Tgenerator::BitBtn3Click;
    BitBtn4.onClick = &Tgenerator::BitBtn4Click;
    BitBtn5.onClick = &Tgenerator::BitBtn5Click;

    SpeedButton2.ball = 7;
    SpeedButton4.ball = 13;
    SpeedButton3.ball = 21;
    SpeedButton10.ball = 33;
    SpeedButton12.ball = 42;
    SpeedButton1.ball = 49;
    SpeedButton5.ball = 5;
    SpeedButton6.ball = 6;
    SpeedButton7.ball = 17;
    SpeedButton8.ball = 28;
    SpeedButton9.ball = 39;
}

}  // namespace kulko
