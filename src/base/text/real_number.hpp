#pragma once

#include <string_view>

namespace kulko {

struct RealConversion {
    double value = 0.0;
    bool accepted = true;  // false when the text is not in the accepted form
};

// The decimal real-number conversion of amounts and version notes: optional
// leading blanks, an optional sign, digits with at most one "." (never a
// comma), an optional exponent; nothing may follow. An empty text, or one of
// blanks only, is 0. A text in any other form converts to 0 and is flagged.
// Independent of the process locale.
RealConversion TextToReal(std::string_view text);

}  // namespace kulko
