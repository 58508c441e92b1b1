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
#include <deque>

namespace framework::win32 {
namespace {

// The sheet's own controls, by the ids it gives them.
constexpr int kBackButton = 0x3023;
constexpr int kNextButton = 0x3024;
constexpr int kFinishButton = 0x3025;
constexpr int kSunkenLine = 0x3026;
// The work the handlers posted, one message a task.
constexpr UINT kRunPosted = WM_APP + 1;

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

    std::unique_ptr<PageWindow> CreatePage(CPropertyPageEx& page) override {
        // The sheet has made the page's dialog before it activates the page.
        return std::make_unique<Win32PageWindow>(page, entries_.at(IndexOf(page)).hwnd);
    }
    void SelectPage(int index) override {
        if (hwnd_) {
            PropSheet_SetCurSel(hwnd_, nullptr, index);  // the sheet activates it
        } else {
            start_ = index;
        }
    }
    void ShowPage(int, const std::wstring& caption) override {
        SetWindowTextW(hwnd_, caption.c_str());
    }
    void PageActivated(int index) override {
        // Texts set since the page was measured (an address typed, a result) may need more
        // room than the sheet gave its pages: the sheet grows, it never cuts them.
        auto* window = dynamic_cast<Win32PageWindow*>(sheet_.GetPage(index)->Window());
        const WindowSize needed = window->Ctl().LayOut();
        RECT client;
        GetClientRect(entries_[index].hwnd, &client);
        const int dx = needed.cx - static_cast<int>(client.right);
        const int dy = needed.cy - static_cast<int>(client.bottom);
        if (dx > 0 || dy > 0) {
            Grow(std::max(0, dx), std::max(0, dy));
        } else if (!centred_) {
            RECT frame;
            GetWindowRect(hwnd_, &frame);
            CenterOnWorkArea(hwnd_, frame.right - frame.left, frame.bottom - frame.top);
        }
        centred_ = true;
    }
    // In dialog units: every page's template gets at least this size, and the sheet sizes
    // itself to its largest page.
    void SetPageSize(WindowSize size) override { pageSize_ = size; }
    void ApplyButtons(int flags) override {
        // The framework's flags are Windows' PSWIZB_BACK, PSWIZB_NEXT and PSWIZB_FINISH.
        SendMessageW(hwnd_, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
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
    // The work goes to the sheet's window as a message of its own, in the order posted.
    void Post(std::function<void()> task) override {
        posted_.push_back(std::move(task));
        if (hwnd_) {
            PostMessageW(hwnd_, kRunPosted, 0, 0);
        }
    }
    // Windows runs the sheet: it makes the pages' dialogs, moves between them as their
    // notifications answer, and returns once Finish or Cancel has closed it.
    int RunModal(int start) override {
        const int first = start_ >= 0 ? start_ : start;
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
            // The sheet shows the title of the page it shows.
            page.dwFlags = PSP_DLGINDIRECT | PSP_HIDEHEADER | PSP_USETITLE;
            page.pszTitle = sheet_.GetPage(static_cast<int>(i))->Caption().c_str();
            page.hInstance = GetModuleHandleW(nullptr);
            page.pResource = reinterpret_cast<LPCDLGTEMPLATEW>(entries_[i].bytes.data());
            page.pfnDlgProc = &PageProc;
            page.lParam = reinterpret_cast<LPARAM>(&entries_[i]);
        }
        PROPSHEETHEADERW header{};
        header.dwSize = sizeof header;
        header.dwFlags =
            PSH_WIZARD97 | PSH_PROPSHEETPAGE | PSH_USECALLBACK | (icon_ ? PSH_USEICONID : 0);
        header.pszIcon = MAKEINTRESOURCEW(icon_);
        header.hInstance = GetModuleHandleW(nullptr);
        header.pszCaption = L"";
        header.nPages = static_cast<UINT>(pages.size());
        header.nStartPage = static_cast<UINT>(first);
        header.ppsp = pages.data();
        header.pfnCallback = &SheetCreated;
        opening_ = this;
        PropertySheetW(&header);
        opening_ = nullptr;
        hwnd_ = nullptr;
        posted_.clear();
        return result_;
    }
    void End(int result) override {
        result_ = result;
        // Finish and Cancel close the sheet as their notifications return; the program
        // closing it otherwise does so as Cancel would, without asking the pages again.
        if (!ended_ && !inNotify_ && hwnd_) {
            PostMessageW(hwnd_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        }
        ended_ = true;
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

    // The sheet's own window is made: the posted work gets its place there, and Finish an
    // access key like Back and Next, on the system's own word for it.
    static int CALLBACK SheetCreated(HWND hwnd, UINT message, LPARAM) {
        if (message != PSCB_INITIALIZED || !opening_) {
            return 0;
        }
        Win32SheetWindow& self = *opening_;
        self.hwnd_ = hwnd;
        SetWindowSubclass(hwnd, &SheetProc, 0, reinterpret_cast<DWORD_PTR>(&self));
        for (std::size_t i = 0; i < self.posted_.size(); ++i) {
            PostMessageW(hwnd, kRunPosted, 0, 0);
        }
        if (HWND finish = GetDlgItem(hwnd, kFinishButton)) {
            std::wstring text(64, L'\0');
            text.resize(static_cast<std::size_t>(GetWindowTextW(finish, text.data(), 64)));
            if (!text.empty() && text.find(L'&') == std::wstring::npos) {
                SetWindowTextW(finish, (L"&" + text).c_str());
            }
        }
        return 0;
    }

    static LRESULT CALLBACK SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR data) {
        auto& self = *reinterpret_cast<Win32SheetWindow*>(data);
        if (message == kRunPosted) {
            if (!self.posted_.empty()) {
                auto task = std::move(self.posted_.front());
                self.posted_.pop_front();
                task();
            }
            return 0;
        }
        if (message == WM_NCDESTROY) {
            RemoveWindowSubclass(hwnd, &SheetProc, 0);
        }
        return DefSubclassProc(hwnd, message, wParam, lParam);
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
            case WM_NOTIFY: {
                self.inNotify_ = true;
                const LRESULT result =
                    self.Notified(reinterpret_cast<NMHDR*>(lParam)->code, entry->index);
                self.inNotify_ = false;
                SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
                return TRUE;
            }
            default:
                return FALSE;
        }
    }

    // The sheet's notifications to the page at `index`; what the page answers.
    LRESULT Notified(UINT code, int index) {
        switch (code) {
            case PSN_SETACTIVE:
                sheet_.Activate(index);
                return 0;
            case PSN_KILLACTIVE:
                // The page has agreed to be left in PSN_WIZNEXT or PSN_WIZBACK, which come
                // before or after this one depending on the version of the sheet, or it is
                // left for the page the program selects.
                return FALSE;
            case PSN_WIZNEXT:
                return PageToShow(sheet_.NextTarget());
            case PSN_WIZBACK:
                return PageToShow(sheet_.BackTarget());
            case PSN_WIZFINISH:
                sheet_.PressFinish();
                return ended_ ? FALSE : TRUE;
            case PSN_QUERYCANCEL:
                if (!ended_) {
                    sheet_.Cancel();
                }
                return FALSE;
            default:
                return 0;
        }
    }

    // The answer that moves the sheet to the page at `target` (-1: stays): a page made from a
    // template in memory is named by that template.
    LRESULT PageToShow(int target) const {
        if (target < 0) {
            return -1;
        }
        return reinterpret_cast<LRESULT>(entries_[static_cast<std::size_t>(target)].bytes.data());
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

    // The sheet PropertySheetW is making, until its window tells its handle.
    static inline Win32SheetWindow* opening_ = nullptr;

    CPropertySheetEx& sheet_;
    int icon_;
    HWND hwnd_ = nullptr;
    int start_ = -1;  // a page selected before the sheet runs
    WindowSize pageSize_;
    std::vector<Entry> entries_;
    std::deque<std::function<void()>> posted_;
    bool ended_ = false;
    bool inNotify_ = false;
    bool centred_ = false;
    int result_ = 0;
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
