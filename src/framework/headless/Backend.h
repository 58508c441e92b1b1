#pragma once
// A backend without a toolkit, for the page-logic tests and whatever else drives pages and
// dialogs without a screen: controls are plain records, the user's actions are calls, posted
// work runs when the caller flushes it. Message boxes go through the platform.

#include <functional>
#include <memory>

#include "framework/Backend.h"
#include "framework/headless/Controls.h"
#include "framework/headless/Dialog.h"
#include "framework/headless/Sheet.h"

namespace framework::headless {

class HeadlessBackend final : public Backend {
  public:
    // Installed for its lifetime; the backend it replaced comes back after it.
    HeadlessBackend() : previous_(InstallBackend(this)) {}
    ~HeadlessBackend() override { InstallBackend(previous_); }
    HeadlessBackend(const HeadlessBackend&) = delete;
    HeadlessBackend& operator=(const HeadlessBackend&) = delete;

    std::unique_ptr<SheetWindow> CreateSheet(CPropertySheetEx& sheet) override {
        return std::make_unique<HeadlessSheet>(sheet, &focus);
    }
    std::unique_ptr<PageWindow> CreateLonePage(CPropertyPageEx& page) override {
        return std::make_unique<HeadlessPage>(page, &focus);
    }
    std::unique_ptr<DialogWindow> CreateDialogWindow(CDialog& dialog) override {
        return std::make_unique<HeadlessDialog>(dialog, &focus);
    }

    // What the user does with the next dialog run modally, in place of a modal loop: it ends
    // the dialog (a click), or the dialog ends with Cancel.
    static void OnModal(std::function<void(CDialog&)> handler);
    static void RunModalHandler(CDialog& dialog);

    // The window and control that have the keyboard focus (none yet).
    RecordFocus focus;

  private:
    Backend* previous_;
};

// The records behind a page or a dialog, and the sheet's window.
RecordControls& Records(CPropertyPageEx& page);
RecordControls& Records(CDialog& dialog);
HeadlessSheet& SheetWindowOf(CPropertySheetEx& sheet);

}  // namespace framework::headless
