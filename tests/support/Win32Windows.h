#pragma once
// What the Windows tests share: the ten languages of the program, by the language id its
// string tables carry, and what a window says of itself.

#include <windows.h>

#include <ostream>
#include <string>

namespace tests {

struct Language {
    const char* name;
    LANGID id;
};

inline constexpr Language kLanguages[] = {
    {"en_US", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)},
    {"de_DE", MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)},
    {"fr_FR", MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH)},
    {"it_IT", MAKELANGID(LANG_ITALIAN, SUBLANG_ITALIAN)},
    {"es_ES", MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN)},
    {"pt_BR", MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN)},
    {"ja_JP", MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN)},
    {"ko_KR", MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN)},
    {"zh_CN", MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)},
    {"zh_TW", MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL)},
};

inline void PrintTo(const Language& language, std::ostream* out) {
    *out << language.name;
}

inline std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

inline std::wstring TextOf(HWND window) {
    wchar_t text[2048] = {};
    GetWindowTextW(window, text, 2048);
    return text;
}

}  // namespace tests
