// Filled in by its own change; present so the window links.
#include "app/tgenerator.hpp"

namespace kulko {

void Tgenerator::SpeedButton3Click() {}
void Tgenerator::SpeedButton9Click() {}
}  // namespace kulko
