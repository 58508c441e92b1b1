#pragma once
// A backend without a toolkit, for the page-logic tests: controls are plain records, the
// user's actions are calls (type, click, select), posted work runs when the test flushes.
// Message boxes go through the platform, which the tests' fake answers.

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/Backend.h"
#include "framework/Dialog.h"
#include "framework/DialogTemplate.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "framework/RecordControls.h"
#include "framework/Text.h"

namespace testing_support {

using framework::RecordWindow;
using HeadlessControl = framework::RecordControl;
using HeadlessControls = framework::RecordControls;
template <class Interface>
using HeadlessWindow = framework::RecordWindow<Interface>;

class HeadlessPage final : public HeadlessWindow<framework::PageWindow> {
  public:
    HeadlessPage(framework::CPropertyPageEx& page, framework::RecordFocus* focus)
        : RecordWindow(
              page.Template(),
              [&page](int id, framework::Notify code) { page.OnCommand(id, code); }, focus),
          template_(page.Template()) {}
    framework::WindowSize Relayout(bool) override { return {template_.cx, template_.cy}; }
    int FocusedControl() const override { return records.FocusedControl(); }

  private:
    framework::DialogTemplate template_;
};

class HeadlessDialog final : public HeadlessWindow<framework::DialogWindow> {
  public:
    HeadlessDialog(framework::CDialog& dialog, framework::RecordFocus* focus)
        : RecordWindow(
              dialog.Template(),
              [&dialog](int id, framework::Notify code) {
                  if (code == framework::Notify::Clicked) {
                      dialog.ButtonClicked(id);
                  }
              },
              focus) {}

    void SetCaption(const std::wstring&) override {}
    void Describe(const std::wstring&) override {}
    // The tests act on a dialog without running its modal loop; one that is run ends at once.
    int RunModal() override { return ended_ ? result_ : framework::IDCANCEL; }
    void End(int result) override {
        ended_ = true;
        result_ = result;
    }
    void Relayout() override {}

  private:
    bool ended_ = false;
    int result_ = 0;
};

class HeadlessSheet final : public framework::SheetWindow {
  public:
    HeadlessSheet(framework::CPropertySheetEx& sheet, framework::RecordFocus* focus)
        : sheet_(sheet), focus_(focus) {}

    std::unique_ptr<framework::PageWindow> CreatePage(framework::CPropertyPageEx& page) override {
        return std::make_unique<HeadlessPage>(page, focus_);
    }
    void ShowPage(int index, const std::wstring& pageCaption) override {
        shown = index;
        caption = pageCaption;
    }
    void PageActivated(int) override {}
    void FocusDefaultButton() override {
        *focus_ = {this, buttons & framework::PSWIZB_FINISH ? kFinishButton : kNextButton};
    }
    void SetPageSize(framework::WindowSize size) override { pageSize = size; }
    void ApplyButtons(int flags) override { buttons = flags; }
    void Post(std::function<void()> task) override { posted_.push_back(std::move(task)); }
    // The modal loop: posted work, then the test drives the sheet itself.
    int RunModal() override {
        Flush();
        return result;
    }
    void End(int code) override { result = code; }

    // Runs the work posted so far, as the event loop would once a handler has returned.
    void Flush() {
        while (!posted_.empty()) {
            auto task = std::move(posted_.front());
            posted_.pop_front();
            task();
        }
    }

    // The sheet's buttons as focus targets: the ids Windows gives them.
    static constexpr int kBackButton = 0x3023;
    static constexpr int kNextButton = 0x3024;
    static constexpr int kFinishButton = 0x3025;

    int shown = -1;
    std::wstring caption;
    int buttons = 0;
    int result = 0;
    framework::WindowSize pageSize;

  private:
    framework::CPropertySheetEx& sheet_;
    framework::RecordFocus* focus_;
    std::deque<std::function<void()>> posted_;
};

class HeadlessBackend final : public framework::Backend {
  public:
    HeadlessBackend() { framework::InstallBackend(this); }
    ~HeadlessBackend() override { framework::InstallBackend(nullptr); }
    HeadlessBackend(const HeadlessBackend&) = delete;
    HeadlessBackend& operator=(const HeadlessBackend&) = delete;

    std::unique_ptr<framework::SheetWindow> CreateSheet(
        framework::CPropertySheetEx& sheet) override {
        return std::make_unique<HeadlessSheet>(sheet, &focus);
    }
    std::unique_ptr<framework::PageWindow> CreateLonePage(
        framework::CPropertyPageEx& page) override {
        return std::make_unique<HeadlessPage>(page, &focus);
    }
    std::unique_ptr<framework::DialogWindow> CreateDialogWindow(
        framework::CDialog& dialog) override {
        return std::make_unique<HeadlessDialog>(dialog, &focus);
    }

    // The window and control that have the keyboard focus (none yet).
    framework::RecordFocus focus;
};

// The records behind a page or a dialog, and the sheet's window.
inline HeadlessControls& Records(framework::CPropertyPageEx& page) {
    return static_cast<HeadlessPage*>(page.Window())->records;
}
inline HeadlessControls& Records(framework::CDialog& dialog) {
    return static_cast<HeadlessDialog*>(dialog.Window())->records;
}
inline HeadlessSheet& SheetWindowOf(framework::CPropertySheetEx& sheet) {
    return static_cast<HeadlessSheet&>(sheet.Window());
}

}  // namespace testing_support
