#pragma once
// The framework's windows on the Win32 API: the wizard is a Wizard 97 property sheet whose
// pages are dialogs built in memory from the same templates (framework/win32/Sheet.h), the
// result dialogs are dialogs built the same way (framework/win32/Dialog.h), and the controls
// are Windows' own (framework/win32/Controls.h). What the user does goes back to the
// framework's classes, which decide.

#include "framework/Backend.h"

// Then Windows.
#include <windows.h>
#undef LoadString  // Windows' macro would rename the platform's operation

#include <memory>

namespace framework::win32 {

class Win32Backend final : public Backend {
  public:
    // `icon`: the program's icon resource, which the sheet and the dialogs show (0: none).
    explicit Win32Backend(int icon = 0);
    std::unique_ptr<SheetWindow> CreateSheet(CPropertySheetEx& sheet) override;
    std::unique_ptr<PageWindow> CreateLonePage(CPropertyPageEx& page) override;
    std::unique_ptr<DialogWindow> CreateDialogWindow(CDialog& dialog) override;

  private:
    int icon_;
};

// Where tests reach the windows behind the framework's classes.
HWND SheetHandle(CPropertySheetEx& sheet);
HWND PageHandle(const CPropertyPageEx& page);
HWND DialogHandle(const CDialog& dialog);
// The dialog whose window `window` is, or null.
CDialog* DialogBehind(HWND window);

}  // namespace framework::win32
