#include "platform/Language.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace platform {
namespace {

std::vector<std::string> Split(const std::string& text, const std::string& separators) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (separators.find(c) != std::string::npos) {
            parts.push_back(part);
            part.clear();
        } else {
            part += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    parts.push_back(part);
    return parts;
}

}  // namespace

std::string ChooseLanguage(const std::vector<std::string>& userLanguages) {
    for (const std::string& name : userLanguages) {
        // "pt_PT.UTF-8@euro" names its language before the codeset and the modifier.
        const std::vector<std::string> parts =
            Split(name.substr(0, name.find_first_of(".@")), "-_");
        const std::string& primary = parts.front();
        auto has = [&parts](const char* part) {
            return std::find(parts.begin(), parts.end(), part) != parts.end();
        };
        if (primary == "zh") {
            const bool traditional = has("tw") || has("hk") || has("mo") || has("hant");
            return traditional ? "zh_TW" : "zh_CN";
        }
        if (primary == "pt") {
            return "pt_BR";
        }
        for (const char* language : kLanguages) {
            if (primary.size() == 2 && std::string(language, 2) == primary) {
                return language;
            }
        }
    }
    return "en_US";
}

std::vector<std::string> UserLanguages() {
#ifdef _WIN32
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name,
                         LOCALE_NAME_MAX_LENGTH, 0) > 0) {
        std::string narrow;
        for (const wchar_t* c = name; *c; ++c) {
            narrow += static_cast<char>(*c < 0x80 ? *c : '?');
        }
        return {narrow};
    }
    return {};
#else
    auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    if (const std::string list = variable("LANGUAGE"); !list.empty()) {
        return Split(list, ":");
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const std::string value = variable(name); !value.empty()) {
            return {value};
        }
    }
    return {};
#endif
}

}  // namespace platform
