// Version check and results update at start. They return at once until the
// update server support lands.
#include "app/tgenerator.hpp"

namespace kulko {

void Tgenerator::AktualizujWersje() {}
void Tgenerator::Aktualizacja() {}

}  // namespace kulko
