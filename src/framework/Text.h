#pragma once
// The application's name: the caption of the messages pages and dialogs own when they have
// none of their own. The texts themselves come from the platform's string table
// (platform::LoadText, platform::LoadFormatted). And how a wrapping text is shown.

#include <string>

namespace framework {

const std::wstring& ApplicationName();
void SetApplicationName(const std::wstring& name);

// A text as a label that wraps shows it: a hyphen inside a word ("USB-Stick", "sous-réseau")
// becomes U+2011, which holds the two halves together, so that no line ends inside the word.
// The backends show this and give back the text as it was set.
std::wstring KeptWhole(std::wstring text);
inline constexpr wchar_t kNoBreakHyphen = L'\u2011';

// Japanese, Korean or Chinese: a character after which a line may break anywhere.
bool IsCjk(wchar_t c);

// Punctuation that closes what comes before it ("。", "」", ".", ")"): it goes with it.
bool IsClosingPunctuation(wchar_t c);

// The width at which a wrapped CJK text does not leave its last character (with the
// punctuation that closes it) alone on its last line: `width`, or up to four characters less
// where that brings a second character down without adding a line. `height(text, width)`
// measures the text wrapped to `width`, `characterWidth()` a CJK character's width, each in
// the backend's own way; only a text that ends in a CJK character is measured at all (asking
// for a CJK character's width loads a CJK font).
template <class CharacterWidth, class Height>
int WidthWithoutLoneCharacter(const std::wstring& text, int width, CharacterWidth characterWidth,
                              Height height) {
    std::size_t end = text.size();
    while (end > 0 && IsClosingPunctuation(text[end - 1])) {
        --end;
    }
    if (end < 2 || !IsCjk(text[end - 1])) {
        return width;
    }
    const int character = characterWidth();
    if (character <= 0) {
        return width;
    }
    const std::wstring shorter = text.substr(0, end - 1);
    const int lines = height(text, width);
    if (height(shorter, width) == lines) {
        return width;  // the last character shares its line
    }
    for (int less = 1; less <= 4; ++less) {
        const int narrower = width - less * character;
        if (narrower > 0 && height(text, narrower) == lines && height(shorter, narrower) == lines) {
            return narrower;
        }
    }
    return width;
}

}  // namespace framework
