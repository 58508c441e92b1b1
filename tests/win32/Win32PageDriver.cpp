// The page driver on the Win32 backend: Windows' own controls, driven in-process through
// their messages (Wine mishandles typing over a filled IP address control: its value is
// set by message).
// The framework's headers come before <windows.h> and its IDOK and IDCANCEL macros.
#include "PageDriver.h"

// Then Windows.
#include "framework/win32/Application.h"
#include "framework/win32/Backend.h"

#include <commctrl.h>
#include <prsht.h>

namespace testing_support {
namespace {

using namespace framework::win32;

// The control `id` of a window, and the window its notifications go to.
HWND Control(HWND window, int id) {
    return GetDlgItem(window, id);
}

void Notify(HWND window, int id, WORD code) {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(Control(window, id)));
}

class Win32PageDriver final : public PageDriver {
  public:
    Win32PageDriver() { framework::InstallBackend(&backend_); }
    ~Win32PageDriver() override { framework::InstallBackend(nullptr); }

    void Show(framework::CPropertySheetEx& sheet) override {
        ShowWindow(SheetHandle(sheet), SW_SHOW);
        PumpMessages();
    }
    void Settle(framework::CPropertySheetEx&) override { PumpMessages(); }
    void Type(framework::CPropertyPageEx& page, int id, const std::wstring& text) override {
        SetFocus(Control(PageHandle(page), id));
        SetWindowTextW(Control(PageHandle(page), id), text.c_str());  // sends EN_CHANGE
        PumpMessages();
    }
    void Click(framework::CPropertyPageEx& page, int id) override {
        SendMessageW(Control(PageHandle(page), id), BM_CLICK, 0, 0);
        PumpMessages();
    }
    void Select(framework::CPropertyPageEx& page, int id, int index) override {
        SendMessageW(Control(PageHandle(page), id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Notify(PageHandle(page), id, CBN_SELCHANGE);
        PumpMessages();
    }
    void TypeAddress(framework::CPropertyPageEx& page, int id, std::uint32_t value) override {
        SendMessageW(Control(PageHandle(page), id), IPM_SETADDRESS, 0, static_cast<LPARAM>(value));
        PumpMessages();
    }
    void Click(framework::CDialog& dialog, int id) override {
        SendMessageW(Control(DialogHandle(dialog), id), BM_CLICK, 0, 0);
        PumpMessages();
    }
    void Show(framework::CDialog& dialog) override {
        ShowWindow(DialogHandle(dialog), SW_SHOW);
        UpdateWindow(DialogHandle(dialog));
        PumpMessages();
    }
    int Focused(const framework::CPropertyPageEx& page) override {
        HWND page_ = PageHandle(page);
        for (HWND focus = GetFocus(); focus; focus = GetParent(focus)) {
            if (GetParent(focus) == page_) {
                return GetDlgCtrlID(focus);
            }
        }
        return 0;
    }
    SheetButton FocusedButton(framework::CPropertySheetEx& sheet) override {
        HWND focus = GetFocus();
        if (!focus || GetParent(focus) != SheetHandle(sheet)) {
            return SheetButton::None;
        }
        switch (GetDlgCtrlID(focus)) {
            case 0x3023:
                return SheetButton::Back;
            case 0x3024:
                return SheetButton::Next;
            case 0x3025:
                return SheetButton::Finish;
            case IDCANCEL:
                return SheetButton::Cancel;
            default:
                return SheetButton::None;
        }
    }
    std::wstring Caption(framework::CPropertySheetEx& sheet) override {
        wchar_t text[512] = {};
        GetWindowTextW(SheetHandle(sheet), text, 512);
        return text;
    }
    const void* Owner(const framework::CPropertyPageEx& page) override { return PageHandle(page); }
    const void* Owner(const framework::CDialog& dialog) override { return DialogHandle(dialog); }

  private:
    Win32Backend backend_;
};

}  // namespace

std::unique_ptr<PageDriver> MakePageDriver() {
    return std::make_unique<Win32PageDriver>();
}

}  // namespace testing_support
