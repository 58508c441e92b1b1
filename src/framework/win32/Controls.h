#pragma once
// The controls of one Win32 page or dialog window, Windows' own (static, edit, button, combo
// box, SysIPAddress32) made by the dialog manager from the template: the Win32 backend's
// implementation of the framework's Controls, and their arrangement for their texts.

// The framework's headers come before <windows.h>, whose IDOK and IDCANCEL macros (of the
// same values) would otherwise rewrite the framework's own names.
#include "framework/Backend.h"
#include "framework/Controls.h"
#include "framework/DialogTemplate.h"

// Then Windows.
#include <windows.h>
#undef LoadString  // Windows' macro would rename the platform's operation

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace framework::win32 {

// A control's notification, as the framework names it; false for one it does not name.
bool Notification(WPARAM wParam, int& id, Notify& code);

// A picture control's drawing (owner-drawn over the window's background); false for any
// other control.
bool DrawPictureControl(const DialogTemplate& dialogTemplate, HWND window,
                        const DRAWITEMSTRUCT& item);

// Where the names given to controls for screen readers go: Windows' accessibility services,
// or what a test installs to read them back (Wine keeps none). An empty one: Windows'.
using NameAnnotator = std::function<void(HWND control, const std::wstring& name)>;
void SetNameAnnotator(NameAnnotator annotate);

class Win32Controls final : public Controls {
  public:
    explicit Win32Controls(const DialogTemplate& dialogTemplate) : template_(dialogTemplate) {}
    ~Win32Controls() override;

    HWND Handle() const;
    void Attach(HWND hwnd);

    std::wstring Text(int id) const override;
    void SetText(int id, const std::wstring& text) override;
    bool IsChecked(int id) const override;
    void SetCheck(int id, bool on) override;
    bool IsEnabled(int id) const override;
    void Enable(int id, bool on) override;
    bool IsShown(int id) const override;
    void Show(int id, bool on) override;
    // Through the dialog manager of the top-level window (the sheet, for a page): it selects
    // an edit box's whole text, and a push button that takes the focus becomes the default
    // one, so Enter presses the focused button as it does after Tab.
    void Focus(int id) override;
    void LimitText(int id, int chars) override;
    // Windows names a field after the label right before it; where that is not its name (the
    // boxes of an address row, an address control and its four fields), the name is
    // annotated (an address control's fields as "<name>, octet n", left to right).
    void SetAccessibleName(int id, const std::wstring& name) override;
    void ComboAdd(int id, const std::wstring& item) override;
    int ComboSelection(int id) const override;
    std::wstring ComboText(int id, int index) const override;
    int Address(int id, std::uint32_t& value) const override;
    void SetAddress(int id, std::uint32_t value) override;
    void SetBoldTitle(int id) override;
    int Message(const std::wstring& text, const std::optional<std::wstring>& caption,
                platform::MessageButtons buttons) override;

    // Lays the controls out for their texts, in the control's own fonts; the size in pixels
    // they need (at least the template's).
    WindowSize LayOut();

    WindowSize ToDialogUnits(WindowSize pixels) const;

    HWND Item(int id) const;
    // The control that holds the keyboard focus, shown and enabled; 0 for none.
    int FocusedId() const;

  private:
    static std::wstring WindowText(HWND control);
    // Text from a key scrolls when it is longer than its box; a shorter one shows no bar.
    // The bar is decided before the text is set, so that the box wraps it once.
    static void SetScrolledText(HWND control, const std::wstring& text);
    static bool HasClass(HWND control, const wchar_t* name);  // a window class, any case
    static bool IsAddressControl(HWND control);
    static bool IsEdit(HWND control);
    static bool IsMultiline(HWND control);
    static bool IsLabel(HWND control);

    DialogTemplate template_;
    HWND hwnd_ = nullptr;
    HFONT bold_ = nullptr;
};

}  // namespace framework::win32
