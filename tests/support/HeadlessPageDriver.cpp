// The page driver on the headless backend.
#include "PageDriver.h"
#include "framework/headless/Backend.h"

namespace testing_support {
namespace {

using namespace framework::headless;

class HeadlessPageDriver final : public PageDriver {
  public:
    void Show(framework::CPropertySheetEx& sheet) override { Settle(sheet); }
    void Settle(framework::CPropertySheetEx& sheet) override { SheetWindowOf(sheet).Flush(); }
    void Type(framework::CPropertyPageEx& page, int id, const std::wstring& text) override {
        Records(page).Type(id, text);
    }
    void Click(framework::CPropertyPageEx& page, int id) override { Records(page).Click(id); }
    void Select(framework::CPropertyPageEx& page, int id, int index) override {
        Records(page).Select(id, index);
    }
    void TypeAddress(framework::CPropertyPageEx& page, int id, std::uint32_t value) override {
        Records(page).TypeAddress(id, value);
    }
    void Click(framework::CDialog& dialog, int id) override { Records(dialog).Click(id); }
    void Show(framework::CDialog&) override {}
    int Focused(const framework::CPropertyPageEx& page) override {
        return page.Window()->FocusedControl();
    }
    SheetButton FocusedButton(framework::CPropertySheetEx& sheet) override {
        switch (SheetWindowOf(sheet).FocusedButton()) {
            case HeadlessSheet::kBackButton:
                return SheetButton::Back;
            case HeadlessSheet::kNextButton:
                return SheetButton::Next;
            case HeadlessSheet::kFinishButton:
                return SheetButton::Finish;
            default:
                return SheetButton::None;
        }
    }
    std::wstring Caption(framework::CPropertySheetEx& sheet) override {
        return SheetWindowOf(sheet).caption;
    }
    const void* Owner(const framework::CPropertyPageEx& page) override {
        return &Records(const_cast<framework::CPropertyPageEx&>(page));
    }
    const void* Owner(const framework::CDialog& dialog) override {
        return &Records(const_cast<framework::CDialog&>(dialog));
    }

  private:
    HeadlessBackend backend_;
};

}  // namespace

std::unique_ptr<PageDriver> MakePageDriver() {
    return std::make_unique<HeadlessPageDriver>();
}

}  // namespace testing_support
