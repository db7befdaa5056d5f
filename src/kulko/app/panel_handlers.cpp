// Closing the news and the list view, and leaving the program.
#include "app/tgenerator.hpp"

namespace kulko {

void Tgenerator::BitBtn3Click() {
    Panel4.visible = false;
}

void Tgenerator::BitBtn5Click() {
    panel6.visible = false;
}

void Tgenerator::SpeedButton1Click() {
    if (screen_.Ask("Koniec pracy ?")) {
        system_.Exit();
    }
    screen_.RepaintNow();
}

}  // namespace kulko
