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
#include <algorithm>
#include <utility>

namespace tests {
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
    // A whole address by the control's message; a partial one field by field into the
    // control's own edit boxes, left to right.
    void TypeAddress(framework::CPropertyPageEx& page, int id,
                     const std::wstring& dotted) override {
        HWND control = Control(PageHandle(page), id);
        const std::vector<std::wstring> fields = AddressFields(dotted);
        SendMessageW(control, IPM_CLEARADDRESS, 0, 0);
        if (std::none_of(fields.begin(), fields.end(), [](auto& f) { return f.empty(); })) {
            DWORD value = 0;
            for (const std::wstring& field : fields) {
                value = value << 8 | std::min(std::stoul(field), 255ul);
            }
            SendMessageW(control, IPM_SETADDRESS, 0, static_cast<LPARAM>(value));
        } else {
            std::vector<HWND> boxes;
            for (HWND box = GetWindow(control, GW_CHILD); box; box = GetWindow(box, GW_HWNDNEXT)) {
                boxes.push_back(box);
            }
            std::sort(boxes.begin(), boxes.end(), [](HWND a, HWND b) {
                RECT ra, rb;
                GetWindowRect(a, &ra);
                GetWindowRect(b, &rb);
                return ra.left < rb.left;
            });
            for (std::size_t i = 0; i < boxes.size() && i < fields.size(); ++i) {
                SetWindowTextW(boxes[i], fields[i].c_str());
            }
        }
        PumpMessages();
    }
    void Click(framework::CDialog& dialog, int id) override {
        SendMessageW(Control(DialogHandle(dialog), id), BM_CLICK, 0, 0);
        PumpMessages();
    }
    void Escape(framework::CDialog& dialog) override {
        SendMessageW(DialogHandle(dialog), WM_CLOSE, 0, 0);
        PumpMessages();
    }
    void WhileModal(const std::function<void(framework::CDialog&)>& act,
                    const std::function<void()>& body) override {
        modalAct_ = &act;
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, &FindModal);
        body();
        KillTimer(nullptr, timer);
        modalAct_ = nullptr;
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
    // The dialog a modal loop shows, handed to the act once.
    static BOOL CALLBACK HandOver(HWND window, LPARAM) {
        framework::CDialog* dialog = IsWindowVisible(window) ? DialogBehind(window) : nullptr;
        if (!dialog || !modalAct_) {
            return TRUE;
        }
        const auto* act = std::exchange(modalAct_, nullptr);
        (*act)(*dialog);
        return FALSE;
    }
    static void CALLBACK FindModal(HWND, UINT, UINT_PTR, DWORD) {
        if (modalAct_) {
            EnumThreadWindows(GetCurrentThreadId(), &HandOver, 0);
        }
    }

    static inline const std::function<void(framework::CDialog&)>* modalAct_ = nullptr;
    Win32Backend backend_;
};

}  // namespace

std::unique_ptr<PageDriver> MakePageDriver() {
    return std::make_unique<Win32PageDriver>();
}

}  // namespace tests
