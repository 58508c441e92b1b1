#pragma once
// UTF-8 text (the command line's arguments, tables and output; folder names on Linux) and the
// core's wide text. Bytes that are not UTF-8 become U+FFFD, which no check accepts.

#include <string>
#include <string_view>

namespace platform {

std::wstring FromUtf8(std::string_view utf8);
std::string ToUtf8(std::wstring_view wide);

}  // namespace platform
