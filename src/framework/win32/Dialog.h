#pragma once
// A modal dialog on Win32: a dialog made by the dialog manager from the template in memory,
// with Windows' own controls; the close box and Escape are the dialog's Cancel.

#include "framework/Backend.h"

// Then Windows.
#include <windows.h>

#include <memory>

namespace framework::win32 {

// `icon`: the program's icon resource (0: none).
std::unique_ptr<DialogWindow> CreateWin32Dialog(CDialog& dialog, int icon);

}  // namespace framework::win32
