// The framework's headers come before <windows.h>, whose IDOK and IDCANCEL macros (of the
// same values) would otherwise rewrite the framework's own names.
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"

// Then Windows.
#include "framework/win32/Application.h"
#include "framework/win32/Backend.h"
#include "framework/win32/Controls.h"
#include "framework/win32/Sheet.h"
#include "framework/win32/TemplateWriter.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>

namespace framework::win32 {
namespace {

// The sheet's own controls, by the ids it gives them.
constexpr int kBackButton = 0x3023;
constexpr int kNextButton = 0x3024;
constexpr int kFinishButton = 0x3025;
constexpr int kSunkenLine = 0x3026;
constexpr UINT kPressNext = WM_APP + 2;
constexpr UINT kPressBack = WM_APP + 3;

// A page's window: a dialog the sheet made from the page's template.
class Win32PageWindow final : public PageWindow {
  public:
    Win32PageWindow(CPropertyPageEx& page, HWND hwnd) : controls_(page.Template()) {
        controls_.Attach(hwnd);
    }
    Win32Controls& Ctl() override { return controls_; }
    // The Win32 backend's sizes are dialog units: the sheet sizes its pages from templates.
    WindowSize Relayout(bool) override { return controls_.ToDialogUnits(controls_.LayOut()); }
    int FocusedControl() const override { return controls_.FocusedId(); }
    HWND Handle() const { return controls_.Handle(); }

  private:
    Win32Controls controls_;
};

class Win32SheetWindow final : public SheetWindow {
  public:
    Win32SheetWindow(CPropertySheetEx& sheet, int icon) : sheet_(sheet), icon_(icon) {}
    ~Win32SheetWindow() override {
        DropPosted(this);
        UnregisterSheet(hwnd_);
        if (hwnd_ && IsWindow(hwnd_)) {
            DestroyWindow(hwnd_);
        }
    }

    std::unique_ptr<PageWindow> CreatePage(CPropertyPageEx& page) override {
        const int index = IndexOf(page);
        EnsureSheet(index);
        if (!entries_[index].hwnd) {
            // The sheet makes a page's dialog when it is first selected.
            PropSheet_SetCurSel(hwnd_, nullptr, index);
        }
        return std::make_unique<Win32PageWindow>(page, entries_[index].hwnd);
    }
    void ShowPage(int index, const std::wstring& caption) override {
        if (PropSheet_GetCurrentPageHwnd(hwnd_) != entries_[index].hwnd) {
            PropSheet_SetCurSel(hwnd_, nullptr, index);
        }
        SetWindowTextW(hwnd_, caption.c_str());
    }
    void PageActivated(int index) override {
        // Texts set since the page was measured (an address typed, a result) may need more
        // room than the sheet gave its pages: the sheet grows, it never cuts them.
        auto* window = dynamic_cast<Win32PageWindow*>(sheet_.GetPage(index)->Window());
        if (!window) {
            return;
        }
        const WindowSize needed = window->Ctl().LayOut();
        RECT client;
        GetClientRect(entries_[index].hwnd, &client);
        const int dx = needed.cx - static_cast<int>(client.right);
        const int dy = needed.cy - static_cast<int>(client.bottom);
        if (dx > 0 || dy > 0) {
            Grow(std::max(0, dx), std::max(0, dy));
        }
    }
    // In dialog units: every page's template gets at least this size, and the sheet sizes
    // itself to its largest page.
    void SetPageSize(WindowSize size) override { pageSize_ = size; }
    void ApplyButtons(int flags) override {
        // The framework's flags are Windows' PSWIZB_BACK, PSWIZB_NEXT and PSWIZB_FINISH.
        SendMessageW(hwnd_, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
        buttons_ = flags;
    }
    void FocusDefaultButton() override {
        for (int id : {kFinishButton, kNextButton, kBackButton}) {
            HWND button = GetDlgItem(hwnd_, id);
            if (button && IsWindowVisible(button) && IsWindowEnabled(button)) {
                SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
                return;
            }
        }
    }
    void Post(std::function<void()> task) override { win32::Post(this, std::move(task)); }
    int RunModal() override {
        // Finish or Cancel closed the sheet when it has no current page any more.
        RunModalLoop([this] { return ended_ || !PropSheet_GetCurrentPageHwnd(hwnd_); });
        return result_;
    }
    void End(int result) override {
        ended_ = true;
        result_ = result;
        if (!inNotify_ && hwnd_) {
            ShowWindow(hwnd_, SW_HIDE);
        }
    }
    HWND Handle() const { return hwnd_; }

  private:
    struct Entry {
        Win32SheetWindow* sheet;
        int index;
        HWND hwnd;
        std::vector<std::uint8_t> bytes;
    };

    int IndexOf(const CPropertyPageEx& page) const {
        for (int i = 0; i < sheet_.GetPageCount(); ++i) {
            if (sheet_.GetPage(i) == &page) {
                return i;
            }
        }
        return -1;
    }

    // The sheet is made once every page has been added, opened on `start`.
    void EnsureSheet(int start) {
        if (hwnd_) {
            return;
        }
        entries_.resize(static_cast<std::size_t>(sheet_.GetPageCount()));
        std::vector<PROPSHEETPAGEW> pages(entries_.size());
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            DialogTemplate sized = sheet_.GetPage(static_cast<int>(i))->Template();
            sized.cx = std::max(sized.cx, pageSize_.cx);
            sized.cy = std::max(sized.cy, pageSize_.cy);
            entries_[i] = {this, static_cast<int>(i), nullptr,
                           BuildDialogTemplate(sized, TemplateUse::Page)};
            PROPSHEETPAGEW& page = pages[i];
            page.dwSize = sizeof page;
            page.dwFlags = PSP_DLGINDIRECT | PSP_HIDEHEADER;
            page.hInstance = GetModuleHandleW(nullptr);
            page.pResource = reinterpret_cast<LPCDLGTEMPLATEW>(entries_[i].bytes.data());
            page.pfnDlgProc = &PageProc;
            page.lParam = reinterpret_cast<LPARAM>(&entries_[i]);
        }
        PROPSHEETHEADERW header{};
        header.dwSize = sizeof header;
        // Modeless: the framework drives the pages (it makes a page current, activates it in its
        // order and applies its buttons) and runs the modal loop itself, where every message
        // goes through the sheet's dialog manager and the posted work runs.
        header.dwFlags =
            PSH_WIZARD97 | PSH_MODELESS | PSH_PROPSHEETPAGE | (icon_ ? PSH_USEICONID : 0);
        header.pszIcon = MAKEINTRESOURCEW(icon_);
        header.hInstance = GetModuleHandleW(nullptr);
        header.pszCaption = L"";
        header.nPages = static_cast<UINT>(pages.size());
        header.nStartPage = static_cast<UINT>(start);
        header.ppsp = pages.data();
        hwnd_ = reinterpret_cast<HWND>(PropertySheetW(&header));
        RegisterSheet(hwnd_);
        // Finish gets an access key like Back and Next, on the system's own word for it.
        if (HWND finish = GetDlgItem(hwnd_, kFinishButton)) {
            std::wstring text(64, L'\0');
            text.resize(static_cast<std::size_t>(GetWindowTextW(finish, text.data(), 64)));
            if (!text.empty() && text.find(L'&') == std::wstring::npos) {
                SetWindowTextW(finish, (L"&" + text).c_str());
            }
        }
        RECT frame;
        GetWindowRect(hwnd_, &frame);
        CenterOnWorkArea(hwnd_, frame.right - frame.left, frame.bottom - frame.top);
    }

    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            auto* entry =
                reinterpret_cast<Entry*>(reinterpret_cast<PROPSHEETPAGEW*>(lParam)->lParam);
            entry->hwnd = hwnd;
            SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(entry));
            return FALSE;
        }
        auto* entry = reinterpret_cast<Entry*>(GetWindowLongPtrW(hwnd, DWLP_USER));
        if (!entry) {
            return FALSE;
        }
        Win32SheetWindow& self = *entry->sheet;
        CPropertyPageEx& page = *self.sheet_.GetPage(entry->index);
        switch (message) {
            case WM_COMMAND: {
                int id = 0;
                Notify code{};
                if (page.IsCreated() && Notification(wParam, id, code)) {
                    if (code == Notify::Clicked && page.Template().Find(id) &&
                        page.Template().Find(id)->kind == ControlKind::Radio) {
                        page.Ctl().SetCheck(id, true);  // the framework checks the group
                    }
                    page.OnCommand(id, code);
                    return TRUE;
                }
                return FALSE;
            }
            case WM_DRAWITEM:
                return DrawPictureControl(page.Template(), hwnd,
                                          *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            case kPressNext:
                self.sheet_.PressNext();
                return TRUE;
            case kPressBack:
                self.sheet_.PressBack();
                return TRUE;
            case WM_NOTIFY: {
                LRESULT result = 0;
                self.inNotify_ = true;
                switch (reinterpret_cast<NMHDR*>(lParam)->code) {
                    case PSN_WIZNEXT:
                        // The framework makes the move itself, after this returns: its handler
                        // names the target, the page left reads its controls back (and may
                        // refuse), the target is activated in the framework's order. The sheet
                        // could go to a page a PSN_WIZNEXT result names, but not with that
                        // order; changing pages from inside this notification would re-enter
                        // the sheet's own page change, so the move is posted and the sheet's
                        // own is refused.
                        PostMessageW(hwnd, kPressNext, 0, 0);
                        result = -1;
                        break;
                    case PSN_WIZBACK:
                        PostMessageW(hwnd, kPressBack, 0, 0);
                        result = -1;
                        break;
                    case PSN_WIZFINISH:
                        self.sheet_.PressFinish();
                        result = self.ended_ ? FALSE : TRUE;
                        break;
                    case PSN_QUERYCANCEL:
                        self.sheet_.Cancel();
                        result = FALSE;
                        break;
                    default:
                        break;  // PSN_SETACTIVE, PSN_KILLACTIVE: the framework activates
                }
                self.inNotify_ = false;
                SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
                return TRUE;
            }
            default:
                return FALSE;
        }
    }

    // Widens and lengthens the page area by (dx, dy) pixels: the sheet and every page grow,
    // the sheet's buttons and the line above them (found by the ids the sheet gives them)
    // move with its bottom right corner, the line widens. The sheet sizes itself from its
    // pages' templates only when it is made; a page that needs more afterwards is grown here.
    void Grow(int dx, int dy) {
        auto move = [this](int id, int dx, int dy, int dcx) {
            HWND child = GetDlgItem(hwnd_, id);
            if (!child) {
                return;
            }
            RECT r;
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
            SetWindowPos(child, nullptr, r.left + dx, r.top + dy, r.right - r.left + dcx,
                         r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        };
        for (int id : {kBackButton, kNextButton, kFinishButton, IDCANCEL, IDHELP}) {
            move(id, dx, dy, 0);
        }
        move(kSunkenLine, 0, dy, dx);
        for (const Entry& entry : entries_) {
            if (entry.hwnd) {
                RECT r;
                GetWindowRect(entry.hwnd, &r);
                SetWindowPos(entry.hwnd, nullptr, 0, 0, r.right - r.left + dx,
                             r.bottom - r.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
        RECT frame;
        GetWindowRect(hwnd_, &frame);
        CenterOnWorkArea(hwnd_, frame.right - frame.left + dx, frame.bottom - frame.top + dy);
    }

    CPropertySheetEx& sheet_;
    int icon_;
    HWND hwnd_ = nullptr;
    WindowSize pageSize_;
    std::vector<Entry> entries_;
    bool ended_ = false;
    bool inNotify_ = false;
    int result_ = 0;
    int buttons_ = 0;
};

}  // namespace

std::unique_ptr<SheetWindow> CreateWin32Sheet(CPropertySheetEx& sheet, int icon) {
    return std::make_unique<Win32SheetWindow>(sheet, icon);
}

HWND SheetHandle(CPropertySheetEx& sheet) {
    auto* window = dynamic_cast<Win32SheetWindow*>(&sheet.Window());
    return window ? window->Handle() : nullptr;
}

HWND PageHandle(const CPropertyPageEx& page) {
    auto* window = dynamic_cast<Win32PageWindow*>(page.Window());
    return window ? window->Handle() : nullptr;
}

}  // namespace framework::win32
