#pragma once
// What a toolkit provides to the framework: the sheet's window, page windows and dialog
// windows, each with its controls. The framework's classes hold the logic (navigation, data
// exchange, the handlers' order, where the focus starts); a backend shows their windows and
// reports the user's actions back to them. Three backends have the same shape (Backend,
// Sheet, Dialog, Controls, Application, Platform): framework/win32 on Windows' own property
// sheet and controls, framework/qt on Qt Widgets, framework/headless on records, for the
// page-logic tests. The program's entry point (src/main) installs one.

#include <functional>
#include <memory>
#include <string>

#include "framework/Controls.h"

namespace framework {

class CDialog;
class CPropertyPageEx;
class CPropertySheetEx;

// A size in the backend's own units (pixels for a toolkit); only compared and passed back.
struct WindowSize {
    int cx = 0;
    int cy = 0;
};

// A page's window: its controls, created from the page's template. A control's
// notifications go to the page's OnCommand.
class PageWindow {
  public:
    virtual ~PageWindow() = default;
    virtual Controls& Ctl() = 0;
    // The control of this page that has the keyboard focus; 0 when the focus is elsewhere
    // or on a control that is hidden or disabled.
    virtual int FocusedControl() const = 0;
    // Lays the controls out for their texts; the size they need (at least the template's).
    virtual WindowSize Relayout(bool drawPictures = true) = 0;
};

// A modal dialog's window. Push buttons reach the dialog's ButtonClicked.
class DialogWindow {
  public:
    virtual ~DialogWindow() = default;
    virtual Controls& Ctl() = 0;
    virtual void SetCaption(const std::wstring& caption) = 0;
    // What a screen reader says when the dialog opens.
    virtual void Describe(const std::wstring& description) = 0;
    // Makes the window outside a modal loop (for a picture or a test) and initialises it; once.
    virtual void Open() = 0;
    // Makes, lays out and shows the dialog and runs its modal loop; the code End was given.
    // The window initialises the dialog (CDialog::Initialize) as its controls are made.
    virtual int RunModal() = 0;
    virtual void End(int result) = 0;
    // Lays the controls out for their texts and fixes the window's size.
    virtual void Relayout() = 0;
};

// The wizard's frame: a page area above Back / Next-or-Finish / Cancel. Its buttons reach
// the sheet's PressBack, PressNext, PressFinish and Cancel, or (where the toolkit moves
// between the pages itself) its NextTarget and BackTarget; the page the window shows is
// activated through the sheet's Activate.
class SheetWindow {
  public:
    virtual ~SheetWindow() = default;
    virtual std::unique_ptr<PageWindow> CreatePage(CPropertyPageEx& page) = 0;
    // Makes the page at `index` current: the window shows it and calls the sheet's Activate.
    // Before the sheet runs: the page it opens on.
    virtual void SelectPage(int index) = 0;
    // Shows `caption` for the page at `index` (as it is activated).
    virtual void ShowPage(int index, const std::wstring& caption) = 0;
    // After its activation: lays the page out (its needs may grow the page area).
    virtual void PageActivated(int index) = 0;
    // The focus to the default one of the sheet's buttons (Finish where shown, else Next,
    // else Back on a page that can only go back), for a page without a control that takes
    // the keyboard.
    virtual void FocusDefaultButton() = 0;
    // Every page gets this size.
    virtual void SetPageSize(WindowSize size) = 0;
    virtual void ApplyButtons(int flags) = 0;
    // Runs `task` after the current handler has returned.
    virtual void Post(std::function<void()> task) = 0;
    // Shows the sheet on the page selected before, else on `start`, and runs it modally.
    virtual int RunModal(int start) = 0;
    virtual void End(int result) = 0;
};

class Backend {
  public:
    virtual ~Backend() = default;
    virtual std::unique_ptr<SheetWindow> CreateSheet(CPropertySheetEx& sheet) = 0;
    // A page window outside any sheet, only to measure it.
    virtual std::unique_ptr<PageWindow> CreateLonePage(CPropertyPageEx& page) = 0;
    virtual std::unique_ptr<DialogWindow> CreateDialogWindow(CDialog& dialog) = 0;
};

// The installed backend; a program or test installs one before making any window.
Backend& CurrentBackend();
// Installs `backend` (nullptr: none) and returns the one it replaces.
Backend* InstallBackend(Backend* backend);

}  // namespace framework
