#pragma once
// Which of the ten string tables speaks the user's language, chosen from the user's
// languages the way the desktop gives them: the same choice for every front of the program.

#include <string>
#include <vector>

namespace platform {

// The languages of the string tables, English first.
inline constexpr const char* kLanguages[] = {"en_US", "de_DE", "fr_FR", "it_IT", "es_ES",
                                             "pt_BR", "ja_JP", "ko_KR", "zh_CN", "zh_TW"};

// The first of `userLanguages` (BCP 47 or POSIX names: "de-AT", "pt_PT.UTF-8", "zh-Hant")
// that has a table: Portuguese is Brazil's, Chinese of Taiwan, Hong Kong or Macau or in
// traditional script is zh_TW, other Chinese zh_CN; en_US when none has.
std::string ChooseLanguage(const std::vector<std::string>& userLanguages);

// The user's languages as the system gives them: on Windows the interface language; elsewhere
// the list in LANGUAGE, else the first of LC_ALL, LC_MESSAGES and LANG.
std::vector<std::string> UserLanguages();

}  // namespace platform
