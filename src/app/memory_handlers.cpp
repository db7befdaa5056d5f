// Filled in by its own change; present so the window links.
#include "app/tgenerator.hpp"

namespace kulko {

void Tgenerator::SpeedButton5Click() {}
void Tgenerator::SpeedButton6Click() {}
void Tgenerator::SpeedButton7Click() {}
void Tgenerator::SpeedButton8Click() {}
}  // namespace kulko
