#pragma once
// The headless sheet and its pages: records for controls, the sheet's caption, page and
// buttons as fields, posted work run when the caller flushes it, as an event loop would.

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "framework/Backend.h"
#include "framework/headless/Controls.h"

namespace framework::headless {

class HeadlessPage final : public PageWindow {
  public:
    HeadlessPage(CPropertyPageEx& page, RecordFocus* focus);
    RecordControls& Ctl() override { return controls_; }
    int FocusedControl() const override { return controls_.FocusedControl(); }
    // The template's size: records have no font.
    WindowSize Relayout(bool) override { return {cx_, cy_}; }

  private:
    RecordControls controls_;
    int cx_;
    int cy_;
};

class HeadlessSheet final : public SheetWindow {
  public:
    HeadlessSheet(CPropertySheetEx& sheet, RecordFocus* focus) : sheet_(sheet), focus_(focus) {}

    std::unique_ptr<PageWindow> CreatePage(CPropertyPageEx& page) override {
        return std::make_unique<HeadlessPage>(page, focus_);
    }
    void SelectPage(int index) override;
    void ShowPage(int index, const std::wstring& pageCaption) override {
        shown = index;
        caption = pageCaption;
    }
    void PageActivated(int) override {}
    void FocusDefaultButton() override;
    void SetPageSize(WindowSize size) override { pageSize = size; }
    void ApplyButtons(int flags) override { buttons = flags; }
    void Post(std::function<void()> task) override { posted_.push_back(std::move(task)); }
    // The modal loop: posted work, then the caller drives the sheet itself.
    int RunModal(int start) override;
    void End(int code) override { result = code; }

    // Runs the work posted so far, as the event loop would once a handler has returned.
    void Flush();

    // The sheet's buttons as focus targets: the ids Windows gives them.
    static constexpr int kBackButton = 0x3023;
    static constexpr int kNextButton = 0x3024;
    static constexpr int kFinishButton = 0x3025;
    // The sheet's button that has the focus (one of the three), or 0.
    int FocusedButton() const { return focus_->controls == this ? focus_->id : 0; }

    int shown = -1;
    std::wstring caption;
    int buttons = 0;
    int result = 0;
    WindowSize pageSize;

  private:
    CPropertySheetEx& sheet_;
    RecordFocus* focus_;
    std::deque<std::function<void()>> posted_;
};

}  // namespace framework::headless
