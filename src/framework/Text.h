#pragma once
// The application's name: the caption of the messages pages and dialogs own when they have
// none of their own. The texts themselves come from the platform's string table
// (platform::LoadText, platform::LoadFormatted).

#include <string>

namespace framework {

const std::wstring& ApplicationName();
void SetApplicationName(const std::wstring& name);

}  // namespace framework
