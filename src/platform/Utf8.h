#pragma once
// Text at the command line's edges: arguments, tables and output are UTF-8, the core's text
// is wide. Bytes that are not UTF-8 become U+FFFD, which no check accepts.

#include <string>
#include <string_view>

namespace cli {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace cli
