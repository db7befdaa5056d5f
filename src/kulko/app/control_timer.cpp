// Timer1, every 100 ms: the clock and the enabled state of options and buttons.
#include "app/tgenerator.hpp"

namespace kulko {

void Tgenerator::Timer1Timer() {
    // The six least drawn numbers involve no chance, so the other choices
    // that shape a random draw are put back to their neutral values and
    // kept there. "Przewaga" is left alone.
    if (los9.checked) {
        Select(los1);
        Select(w1);
        Select(os1);
        os4.checked = false;
    }
    Label12.caption = system_.TimeOfDay();
    const bool numbersTyped = !wyniki_losowan.text.empty();
    SpeedButton8.enabled = numbersTyped;
    SpeedButton9.enabled = numbersTyped;
    SpeedButton6.enabled = !Panel1.caption.empty();
    liczby.enabled = los5.checked;
    // A forced number may be odd or even, so the parity conditions are
    // offered only without one; disabling keeps a selection already made.
    const bool forcedNumber = los5.checked || los6.checked || los8.checked;
    w4.enabled = !forcedNumber;
    w5.enabled = !forcedNumber;
}

}  // namespace kulko
