#pragma once
// Texts for pages and dialogs: string-table entries through the platform, and the name
// that captions the messages pages own.

#include <initializer_list>
#include <string>

namespace framework {

std::wstring LoadText(int id);
// Loaded and filled by message-style formatting (%1, %2).
std::wstring FormatText(int id, std::initializer_list<std::wstring> args);

// The application's name: the caption of messages that have none of their own.
const std::wstring& ApplicationName();
void SetApplicationName(const std::wstring& name);

}  // namespace framework
