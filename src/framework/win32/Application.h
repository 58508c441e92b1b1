#pragma once
// What the Win32 windows share around them: the work handlers post, run once they have
// returned; the routing of every message to the dialog manager of the sheet or dialog it is
// for; the modal loops; where a window opens; the key folder chooser.

#include <windows.h>
#undef LoadString  // Windows' macro would rename the platform's operation

#include <functional>
#include <optional>
#include <string>

namespace framework::win32 {

// Runs `task` after the current handler has returned (in the modal loop, or PumpMessages),
// in the order posted; `owner` (a sheet) drops what it has not run yet when it goes.
void Post(const void* owner, std::function<void()> task);
void DropPosted(const void* owner);

// A property sheet shown: its messages go through the sheet's own dialog manager.
void RegisterSheet(HWND sheet);
void UnregisterSheet(HWND sheet);

// Hands a message to the dialog manager of the sheet or dialog it is for, as the modal
// loops do; a message for no dialog is translated and dispatched.
void DispatchToDialogs(MSG& msg);
// Runs the messages waiting and the work the handlers posted.
void PumpMessages();
// Runs messages and posted work until `ended` says so (or the program is asked to quit).
void RunModalLoop(const std::function<bool()>& ended);

// Asks for the key folder (a start from a menu or a shortcut, not from the key itself) in
// Windows' folder picker; nothing when the user cancels.
std::optional<std::wstring> ChooseKeyFolder();

// Places a top-level window of `cx` by `cy` pixels in the middle of the work area of the
// monitor that holds the mouse pointer, where the user is looking.
void CenterOnWorkArea(HWND window, int cx, int cy);

}  // namespace framework::win32
