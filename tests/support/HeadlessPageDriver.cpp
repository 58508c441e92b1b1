// The page driver on the headless backend.
#include <algorithm>
#include <string>

#include "PageDriver.h"
#include "framework/headless/Backend.h"

namespace tests {
namespace {

using namespace framework::headless;

class HeadlessPageDriver final : public PageDriver {
  public:
    void Show(framework::CPropertySheetEx& sheet) override { Settle(sheet); }
    void Settle(framework::CPropertySheetEx& sheet) override { SheetWindowOf(sheet).Flush(); }
    void Press(framework::CPropertySheetEx& sheet, SheetButton button) override {
        const int shown = SheetWindowOf(sheet).buttons;
        const bool finish = shown & framework::PSWIZB_FINISH;
        if (button == SheetButton::Back && (shown & framework::PSWIZB_BACK)) {
            sheet.PressBack();
        } else if (button == SheetButton::Next && !finish && (shown & framework::PSWIZB_NEXT)) {
            sheet.PressNext();
        } else if (button == SheetButton::Finish && finish) {
            sheet.PressFinish();
        } else if (button == SheetButton::Cancel) {
            sheet.Cancel();
        }
        Settle(sheet);
    }
    void Type(framework::CPropertyPageEx& page, int id, const std::wstring& text) override {
        Records(page).Type(id, text);
    }
    void Click(framework::CPropertyPageEx& page, int id) override { Records(page).Click(id); }
    void Select(framework::CPropertyPageEx& page, int id, int index) override {
        Records(page).Select(id, index);
    }
    // The control's value and fields as Windows' control would give them: a blank field is
    // 0 and not counted, a field over 255 is 255.
    void TypeAddress(framework::CPropertyPageEx& page, int id,
                     const std::wstring& dotted) override {
        std::uint32_t value = 0;
        int filled = 0;
        for (const std::wstring& field : AddressFields(dotted)) {
            const unsigned long octet = field.empty() ? 0 : std::min(std::stoul(field), 255ul);
            filled += field.empty() ? 0 : 1;
            value = value << 8 | static_cast<std::uint32_t>(octet);
        }
        Records(page).TypeAddress(id, value, filled);
    }
    void Click(framework::CDialog& dialog, int id) override { Records(dialog).Click(id); }
    void Escape(framework::CDialog& dialog) override { dialog.OnCancel(); }
    void Show(framework::CDialog&) override {}
    void WhileModal(const std::function<void(framework::CDialog&)>& act,
                    const std::function<void()>& body) override {
        HeadlessBackend::OnModal(act);
        body();
        HeadlessBackend::OnModal(nullptr);
    }
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

}  // namespace tests
