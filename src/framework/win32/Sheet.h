#pragma once
// The wizard's sheet on Win32: Windows' own Wizard 97 property sheet, its pages dialogs made
// from the templates in memory, with Windows' own controls.

#include "framework/Backend.h"

#include <memory>

namespace framework::win32 {

// `icon`: the program's icon resource (0: none).
std::unique_ptr<SheetWindow> CreateWin32Sheet(CPropertySheetEx& sheet, int icon);

}  // namespace framework::win32
