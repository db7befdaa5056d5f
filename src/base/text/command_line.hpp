#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace kulko {

// Text quoted the Polish way, for messages: „text”.
std::string Quoted(std::string_view text);

// An option of a command line that takes a value: "--name=value", or
// "--name value", where the value is the next argument (and i moves on to
// it). Gives the name and the value, or the message (in Polish) when the
// name is none of `names` or the value is missing.
std::variant<std::pair<std::string, std::string>, std::string> ReadOptionValue(
    const std::vector<std::string>& args, std::size_t& i,
    std::initializer_list<std::string_view> names);

}  // namespace kulko
