// The framework's headers come before <windows.h>, whose IDOK and IDCANCEL macros (of the
// same values) would otherwise rewrite the framework's own names.
#include "framework/Dialog.h"

// Then Windows.
#include "framework/win32/Application.h"
#include "framework/win32/Backend.h"
#include "framework/win32/Controls.h"
#include "framework/win32/Dialog.h"
#include "framework/win32/TemplateWriter.h"

namespace framework::win32 {
namespace {

// Marks a window as one of the framework's dialogs, for DialogBehind.
constexpr wchar_t kDialogProperty[] = L"k4400.dialog";

class Win32DialogWindow final : public DialogWindow {
  public:
    Win32DialogWindow(CDialog& dialog, int icon)
        : dialog_(dialog),
          icon_(icon),
          controls_(dialog.Template()),
          bytes_(BuildDialogTemplate(dialog.Template(), TemplateUse::Dialog)) {}
    ~Win32DialogWindow() override {
        if (Handle()) {
            DestroyWindow(Handle());
        }
    }

    HWND Handle() const { return controls_.Handle(); }
    CDialog& Dialog() const { return dialog_; }
    Win32Controls& Ctl() override { return controls_; }
    void SetCaption(const std::wstring& caption) override {
        SetWindowTextW(Handle(), caption.c_str());
    }
    void Describe(const std::wstring&) override {}  // Windows reads the dialog's own texts
    void Open() override {
        if (!Handle()) {
            CreateDialogIndirectParamW(GetModuleHandleW(nullptr), Template(), nullptr, &Proc,
                                       reinterpret_cast<LPARAM>(this));
        }
    }
    // The dialog manager makes the dialog, runs it and takes it down at EndDialog.
    int RunModal() override {
        if (Handle()) {
            DestroyWindow(Handle());  // the one Open made, for a picture
        }
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), Template(), nullptr, &Proc,
                                reinterpret_cast<LPARAM>(this));
        controls_.Attach(nullptr);
        return result_;
    }
    void End(int result) override {
        result_ = result;
        if (Handle()) {
            EndDialog(Handle(), result);
        }
    }
    void Relayout() override {
        const WindowSize needed = controls_.LayOut();
        RECT frame{0, 0, needed.cx, needed.cy};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongW(Handle(), GWL_EXSTYLE)));
        CenterOnWorkArea(Handle(), frame.right - frame.left, frame.bottom - frame.top);
    }

  private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            auto* self = reinterpret_cast<Win32DialogWindow*>(lParam);
            SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
            SetPropW(hwnd, kDialogProperty, reinterpret_cast<HANDLE>(lParam));
            self->Made(hwnd);
            return FALSE;  // the dialog placed the focus
        }
        if (message == WM_DESTROY) {
            RemovePropW(hwnd, kDialogProperty);
        }
        auto* self = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
        if (!self) {
            return FALSE;
        }
        int id = 0;
        Notify code{};
        if (message == WM_COMMAND && Notification(wParam, id, code) && code == Notify::Clicked) {
            self->dialog_.ButtonClicked(id);
            return TRUE;
        }
        if (message == WM_CLOSE) {
            self->dialog_.OnCancel();
            return TRUE;
        }
        if (message == WM_DRAWITEM) {
            return DrawPictureControl(self->dialog_.Template(), hwnd,
                                      *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        }
        return FALSE;
    }

    LPCDLGTEMPLATEW Template() const { return reinterpret_cast<LPCDLGTEMPLATEW>(bytes_.data()); }

    // The dialog's window and controls exist: the program's icon on the task bar and in the
    // switcher, as the wizard has it, then the dialog's own start.
    void Made(HWND hwnd) {
        controls_.Attach(hwnd);
        for (auto [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
            const int size = GetSystemMetrics(metric);
            if (HANDLE image = icon_
                                   ? LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icon_),
                                                IMAGE_ICON, size, size, LR_SHARED)
                                   : nullptr) {
                SendMessageW(hwnd, WM_SETICON, which, reinterpret_cast<LPARAM>(image));
            }
        }
        dialog_.Initialize();
    }

    CDialog& dialog_;
    int icon_;
    Win32Controls controls_;
    std::vector<std::uint8_t> bytes_;
    int result_ = 0;
};

}  // namespace

std::unique_ptr<DialogWindow> CreateWin32Dialog(CDialog& dialog, int icon) {
    return std::make_unique<Win32DialogWindow>(dialog, icon);
}

CDialog* DialogBehind(HWND window) {
    auto* self = static_cast<Win32DialogWindow*>(GetPropW(window, kDialogProperty));
    return self ? &self->Dialog() : nullptr;
}

HWND DialogHandle(const CDialog& dialog) {
    auto* window = dynamic_cast<Win32DialogWindow*>(dialog.Window());
    return window ? window->Handle() : nullptr;
}

}  // namespace framework::win32
