#pragma once

namespace kulko {

// The windows of Kulko were laid out for Windows fonts. Wine's Tahoma has
// Tahoma's metrics, so the texts keep their designed places; where it or
// another Windows face is missing, faces of near metrics stand in. Called
// once the application exists, before the first window is built.
void ProvideWindowsFonts();

}  // namespace kulko
