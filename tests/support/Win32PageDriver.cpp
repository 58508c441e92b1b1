// The page driver on the Win32 backend: Windows' own sheet and controls, run by Windows'
// own modal loop (on a fiber, see Win32Modal.h) and driven in-process through their messages
// (Wine mishandles typing over a filled IP address control: its value is set by message).
// The framework's headers come before <windows.h> and its IDOK and IDCANCEL macros.
#include "PageDriver.h"
#include "Win32Modal.h"

// Then Windows.
#include "framework/win32/Backend.h"

#include <commctrl.h>

#include <prsht.h>
#include <algorithm>
#include <map>
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

    // The sheet runs as the program runs it, until it waits for the user.
    void Show(framework::CPropertySheetEx& sheet) override {
        if (ModalRunning(runs_[&sheet])) {
            SettleModal();
            return;
        }
        runs_[&sheet] = StartModal([&sheet] { sheet.DoModal(); });
    }
    void Settle(framework::CPropertySheetEx&) override { SettleModal(); }
    void Press(framework::CPropertySheetEx& sheet, SheetButton which) override {
        const int id = which == SheetButton::Back     ? kBackButton
                       : which == SheetButton::Next   ? kNextButton
                       : which == SheetButton::Finish ? kFinishButton
                                                      : IDCANCEL;
        HWND button = GetDlgItem(SheetHandle(sheet), id);
        if (button && IsWindowVisible(button) && IsWindowEnabled(button)) {
            SendMessageW(button, BM_CLICK, 0, 0);
        }
        SettleModal();
    }
    void Close(framework::CPropertySheetEx& sheet) override {
        if (const int run = runs_[&sheet]; ModalRunning(run)) {
            sheet.Window().End(2);  // Cancel's code
            FinishModal(run);
        }
        runs_.erase(&sheet);
    }
    void Open(framework::CDialog& dialog) override {
        runs_[&dialog] = StartModal([&dialog] { dialog.DoModal(); });
        // The dialog manager shows a modal dialog once its loop first finds no message
        // waiting; the settling here always leaves one, so it is shown as the loop would.
        if (HWND window = DialogHandle(dialog); window && !IsWindowVisible(window)) {
            ShowWindow(window, SW_SHOWNORMAL);
            SettleModal();
        }
    }
    void Close(framework::CDialog& dialog) override {
        if (const int run = runs_[&dialog]; ModalRunning(run)) {
            dialog.OnCancel();
            FinishModal(run);
        }
        runs_.erase(&dialog);
    }
    void Type(framework::CPropertyPageEx& page, int id, const std::wstring& text) override {
        SetFocus(Control(PageHandle(page), id));
        SetWindowTextW(Control(PageHandle(page), id), text.c_str());  // sends EN_CHANGE
        SettleModal();
    }
    void Click(framework::CPropertyPageEx& page, int id) override {
        SendMessageW(Control(PageHandle(page), id), BM_CLICK, 0, 0);
        SettleModal();
    }
    void Select(framework::CPropertyPageEx& page, int id, int index) override {
        SendMessageW(Control(PageHandle(page), id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Notify(PageHandle(page), id, CBN_SELCHANGE);
        SettleModal();
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
        SettleModal();
    }
    void Click(framework::CDialog& dialog, int id) override {
        SendMessageW(Control(DialogHandle(dialog), id), BM_CLICK, 0, 0);
        SettleModal();
    }
    void Escape(framework::CDialog& dialog) override {
        SendMessageW(DialogHandle(dialog), WM_CLOSE, 0, 0);
        SettleModal();
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
        SettleModal();
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
            case kBackButton:
                return SheetButton::Back;
            case kNextButton:
                return SheetButton::Next;
            case kFinishButton:
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

    // The sheet's buttons, by the ids Windows gives them.
    static constexpr int kBackButton = 0x3023;
    static constexpr int kNextButton = 0x3024;
    static constexpr int kFinishButton = 0x3025;

    static inline const std::function<void(framework::CDialog&)>* modalAct_ = nullptr;
    Win32Backend backend_;
    std::map<const void*, int> runs_;  // the modal runs of the sheets and dialogs shown
};

}  // namespace

std::unique_ptr<PageDriver> MakePageDriver() {
    return std::make_unique<Win32PageDriver>();
}

}  // namespace tests
