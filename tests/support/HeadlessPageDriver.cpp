// The page driver on the headless backend.
#include "HeadlessBackend.h"
#include "PageDriver.h"

namespace testing_support {
namespace {

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
        return backend_.focus.window == page.Window() ? backend_.focus.id : 0;
    }
    SheetButton FocusedButton(framework::CPropertySheetEx& sheet) override {
        if (backend_.focus.window != &SheetWindowOf(sheet)) {
            return SheetButton::None;
        }
        switch (backend_.focus.id) {
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
    const void* Owner(const framework::CPropertyPageEx& page) override { return page.Window(); }
    const void* Owner(const framework::CDialog& dialog) override { return dialog.Window(); }

  private:
    HeadlessBackend backend_;
};

}  // namespace

std::unique_ptr<PageDriver> MakePageDriver() {
    return std::make_unique<HeadlessPageDriver>();
}

}  // namespace testing_support
