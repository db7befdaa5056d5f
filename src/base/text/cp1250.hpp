#pragma once

#include <string>
#include <string_view>

namespace kulko {

// Files hold Windows-1250 bytes; controls hold UTF-8. These convert when
// text crosses between the two.
std::string Cp1250ToUtf8(std::string_view bytes);

// A character without a Windows-1250 form, or a broken UTF-8 sequence,
// becomes "?".
std::string Utf8ToCp1250(std::string_view utf8);

// Number of characters (code points) in a UTF-8 text; a broken byte counts as one.
std::size_t Utf8Length(std::string_view utf8);

}  // namespace kulko
