#pragma once

namespace kulko {

// Loads the toolkit's own Polish translations (qtbase_pl, from the Debian
// package qt6-translations-l10n) into the running application, so that the
// file and print dialogs and the standard buttons speak Polish. False when
// they are not installed: those dialogs then stay in English.
bool InstallToolkitPolish();

}  // namespace kulko
