// Filled in by its own change; present so the window links.
#include "app/tgenerator.hpp"

namespace kulko {

void Tgenerator::SpeedButton2Click() {}
void Tgenerator::SzukajMinimum() {}
void Tgenerator::ShowDrawnSet() {}
void Tgenerator::Timer1Timer() {}
}  // namespace kulko
