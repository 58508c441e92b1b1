#include "framework/win32/Backend.h"

#include "framework/win32/Dialog.h"
#include "framework/win32/Measure.h"
#include "framework/win32/Sheet.h"

#include <commctrl.h>

namespace framework::win32 {

Win32Backend::Win32Backend(int icon) : icon_(icon) {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

std::unique_ptr<SheetWindow> Win32Backend::CreateSheet(CPropertySheetEx& sheet) {
    return CreateWin32Sheet(sheet, icon_);
}

std::unique_ptr<PageWindow> Win32Backend::CreateLonePage(CPropertyPageEx& page) {
    return CreateMeasuredPage(page);
}

std::unique_ptr<DialogWindow> Win32Backend::CreateDialogWindow(CDialog& dialog) {
    return CreateWin32Dialog(dialog, icon_);
}

}  // namespace framework::win32
