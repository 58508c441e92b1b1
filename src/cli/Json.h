#pragma once
// Just enough JSON to write the command line's one object: strings (UTF-8 or wide), null,
// objects with their keys in the order given, arrays. Each function returns JSON text.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cli::json {

using Members = std::vector<std::pair<std::string, std::string>>;

std::string String(std::string_view utf8);
std::string String(std::wstring_view wide);
std::string StringOrNull(const std::optional<std::wstring>& wide);
inline const std::string kNull = "null";
inline std::string Bool(bool value) {
    return value ? "true" : "false";
}
std::string Object(const Members& members);
std::string Array(const std::vector<std::string>& values);

}  // namespace cli::json
