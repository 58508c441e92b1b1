#pragma once
// What the Win32 windows share around them: where a window opens, the key folder chooser.
// Windows runs the modal loops itself (the property sheet's, the dialog manager's).

#include <windows.h>
#undef LoadString  // Windows' macro would rename the platform's operation

#include <optional>
#include <string>

namespace framework::win32 {

// Asks for the key folder (a start from a menu or a shortcut, not from the key itself) in
// Windows' folder picker; nothing when the user cancels.
std::optional<std::wstring> ChooseKeyFolder();

// Places a top-level window of `cx` by `cy` pixels in the middle of the work area of the
// monitor that holds the mouse pointer, where the user is looking.
void CenterOnWorkArea(HWND window, int cx, int cy);

}  // namespace framework::win32
