#include "framework/Text.h"

#include <cwctype>

namespace framework {
namespace {
std::wstring& StoredName() {
    static std::wstring name;
    return name;
}
}  // namespace

const std::wstring& ApplicationName() {
    return StoredName();
}

void SetApplicationName(const std::wstring& name) {
    StoredName() = name;
}

bool IsCjk(wchar_t c) {
    return (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

bool IsClosingPunctuation(wchar_t c) {
    static const std::wstring closing =
        L"\u3002\u3001\uff0c\uff0e\uff01\uff1f\uff1a\uff1b\u300d"
        L"\u300f\uff09\u3011\u3015\u300b\u3009\u201d\u2019"
        L"\u2026.,;:!?)]\"'";
    return closing.find(c) != std::wstring::npos;
}

std::wstring KeptWhole(std::wstring text) {
    auto inWord = [](wchar_t c) { return std::iswalnum(c) != 0; };
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == L'-' && inWord(text[i - 1]) && inWord(text[i + 1])) {
            text[i] = kNoBreakHyphen;
        }
    }
    return text;
}

}  // namespace framework
