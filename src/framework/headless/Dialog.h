#pragma once
// The headless modal dialog: records for controls. Its modal loop does not block: a dialog
// run ends at once, with the code its buttons gave it, or with Cancel.

#include <string>

#include "framework/Backend.h"
#include "framework/headless/Controls.h"

namespace framework::headless {

class HeadlessDialog final : public DialogWindow {
  public:
    HeadlessDialog(CDialog& dialog, RecordFocus* focus);

    RecordControls& Ctl() override { return controls_; }
    void SetCaption(const std::wstring&) override {}
    void Describe(const std::wstring&) override {}
    void Open() override;
    int RunModal() override;
    void End(int result) override {
        ended_ = true;
        result_ = result;
    }
    void Relayout() override {}

  private:
    CDialog& dialog_;
    RecordControls controls_;
    bool opened_ = false;
    bool ended_ = false;
    int result_ = 0;
};

}  // namespace framework::headless
