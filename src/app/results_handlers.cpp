// Filled in by its own change; present so the window links.
#include "app/tgenerator.hpp"

namespace kulko {

void Tgenerator::SpeedButton4Click() {}
void Tgenerator::BitBtn4Click() {}
}  // namespace kulko
