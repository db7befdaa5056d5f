// Filled in by its own change; present so the window links.
#include "app/tgenerator.hpp"

namespace kulko {

void Tgenerator::SpeedButton10Click() {}
void Tgenerator::SpeedButton11Click() {}
}  // namespace kulko
