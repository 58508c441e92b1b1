#pragma once
// The framework's windows on the Win32 API: the wizard is a Wizard 97 property sheet whose
// pages are dialogs built in memory from the same templates, the result dialogs are dialogs
// built the same way, and the controls are Windows' own (edit, button, combo box, static,
// SysIPAddress32). What the user does goes back to the framework's classes, which decide.

#include <windows.h>
#undef LoadString  // Windows' macro would rename the platform's operation

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/Backend.h"
#include "framework/DialogTemplate.h"

namespace framework::win32 {

// The in-memory DLGTEMPLATEEX for a template: dialog units as they are, "MS Shell Dlg" at
// 8 points (DS_SHELLFONT, the system's dialog font), the standard control classes.
enum class TemplateUse { Page, Dialog, LonePage };
std::vector<std::uint8_t> BuildDialogTemplate(const DialogTemplate& dialogTemplate,
                                              TemplateUse use);

class Win32Backend final : public Backend {
  public:
    Win32Backend();
    std::unique_ptr<SheetWindow> CreateSheet(CPropertySheetEx& sheet) override;
    std::unique_ptr<PageWindow> CreateLonePage(CPropertyPageEx& page) override;
    std::unique_ptr<DialogWindow> CreateDialogWindow(CDialog& dialog) override;
};

// Where tests reach the windows behind the framework's classes.
HWND SheetHandle(CPropertySheetEx& sheet);
HWND PageHandle(const CPropertyPageEx& page);
HWND DialogHandle(const CDialog& dialog);
// Hands a message to the dialog manager of the sheet or dialog it is for, as the modal
// loops do; a message for no dialog is translated and dispatched.
void DispatchToDialogs(MSG& msg);
// Runs the messages waiting and the work the handlers posted.
void PumpMessages();

}  // namespace framework::win32
