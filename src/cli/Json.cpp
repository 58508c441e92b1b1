#include "cli/Json.h"

#include <cstdio>

#include "platform/Utf8.h"

namespace cli::json {

std::string String(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x",
                                  static_cast<unsigned char>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string String(std::wstring_view wide) {
    return String(platform::ToUtf8(wide));
}

std::string StringOrNull(const std::optional<std::wstring>& wide) {
    return wide ? String(*wide) : kNull;
}

std::string Object(const Members& members) {
    std::string out = "{";
    for (const auto& [key, value] : members) {
        if (out.size() > 1) {
            out += ',';
        }
        out += String(key);
        out += ':';
        out += value;
    }
    return out + "}";
}

std::string Array(const std::vector<std::string>& values) {
    std::string out = "[";
    for (const std::string& value : values) {
        if (out.size() > 1) {
            out += ',';
        }
        out += value;
    }
    return out + "]";
}

}  // namespace cli::json
