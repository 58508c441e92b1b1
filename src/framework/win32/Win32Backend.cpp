// The framework's headers come before <windows.h>, whose IDOK and IDCANCEL macros (of the
// same values) would otherwise rewrite the framework's own names.
#include "framework/Dialog.h"
#include "framework/Layout.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "framework/RecordControls.h"
#include "framework/Text.h"

// Then Windows.
#include "framework/win32/Com.h"
#include "framework/win32/Pictures.h"
#include "framework/win32/Win32Backend.h"

#include <commctrl.h>
#include <prsht.h>
// The accessibility services' identifiers are defined here: no import library holds them.
#include <initguid.h>
#include <oleacc.h>

#include <algorithm>
#include <deque>
#include <functional>

namespace framework::win32 {
namespace {

// Work the handlers posted, run once they have returned (see PumpMessages), with the sheet
// that posted it: a sheet taken down drops what it had not run yet.
struct PostedTask {
    const void* sheet;
    std::function<void()> run;
};
std::deque<PostedTask>& Posted() {
    static std::deque<PostedTask> posted;
    return posted;
}

constexpr int kProgramIcon = 1;  // the icon resource; absent in test programs
// The sheet's own buttons.
constexpr int kNextButton = 0x3024;
constexpr int kFinishButton = 0x3025;
constexpr UINT kPressNext = WM_APP + 2;
constexpr UINT kPressBack = WM_APP + 3;

class TemplateWriter {
  public:
    void Word(std::uint16_t value) { Append(&value, sizeof value); }
    void Dword(std::uint32_t value) { Append(&value, sizeof value); }
    void Short(std::int16_t value) { Append(&value, sizeof value); }
    void Text(const wchar_t* text) {
        do {
            Word(static_cast<std::uint16_t>(*text));
        } while (*text++);
    }
    void AlignDword() {
        while (bytes.size() % 4) {
            bytes.push_back(0);
        }
    }
    std::vector<std::uint8_t> bytes;

  private:
    void Append(const void* data, std::size_t size) {
        const auto* p = static_cast<const std::uint8_t*>(data);
        bytes.insert(bytes.end(), p, p + size);
    }
};

struct ControlClass {
    const wchar_t* name;  // nullptr: the predefined ordinal
    std::uint16_t ordinal;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(const ControlSpec& row) {
    const DWORD tab = (row.style & kNoFocus) ? 0 : WS_TABSTOP;
    switch (row.kind) {
        case ControlKind::Static:
            if (row.style & kScroll) {  // text from a key: scrolls, read-only
                return {nullptr, 0x0081, ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL,
                        0};
            }
            return {nullptr, 0x0082,
                    SS_LEFT | SS_NOPREFIX | ((row.style & kVCenter) ? SS_CENTERIMAGE : 0u), 0};
        case ControlKind::Edit:
            return {nullptr, 0x0081,
                    ES_AUTOHSCROLL | WS_BORDER | tab | ((row.style & kDigitsOnly) ? ES_NUMBER : 0u),
                    WS_EX_CLIENTEDGE};
        case ControlKind::Radio:
            // The framework checks the group: a group may join radios across other controls.
            // Its circle beside the first line of a text that wraps.
            return {
                nullptr, 0x0080,
                BS_RADIOBUTTON | BS_MULTILINE | BS_TOP | ((row.style & kGroup) ? WS_TABSTOP : 0u),
                0};
        case ControlKind::Push:
            return {nullptr, 0x0080,
                    ((row.style & kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | tab, 0};
        case ControlKind::Combo:
            return {nullptr, 0x0085,
                    CBS_DROPDOWNLIST | WS_VSCROLL | tab | ((row.style & kSorted) ? CBS_SORT : 0u),
                    0};
        case ControlKind::Picture:
            return {nullptr, 0x0082, SS_OWNERDRAW, 0};  // see DrawControl
        case ControlKind::IPAddress:
            return {WC_IPADDRESSW, 0, tab, 0};
    }
    return {nullptr, 0x0082, 0, 0};
}

}  // namespace

std::vector<std::uint8_t> BuildDialogTemplate(const DialogTemplate& dialogTemplate,
                                              TemplateUse use) {
    TemplateWriter w;
    DWORD style = DS_SHELLFONT | DS_3DLOOK;
    switch (use) {
        case TemplateUse::Page:
            style |= WS_CHILD | WS_DISABLED | WS_CAPTION | DS_CONTROL;
            break;
        case TemplateUse::Dialog:
            style |= DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER;
            break;
        case TemplateUse::LonePage:
            style |= WS_POPUP;
            break;
    }
    w.Word(1);       // dlgVer
    w.Word(0xFFFF);  // signature: DLGTEMPLATEEX
    w.Dword(0);      // helpID
    w.Dword(0);      // exStyle
    w.Dword(style);
    w.Word(static_cast<std::uint16_t>(dialogTemplate.controls.size()));
    w.Short(0);
    w.Short(0);
    w.Short(static_cast<std::int16_t>(dialogTemplate.cx));
    w.Short(static_cast<std::int16_t>(dialogTemplate.cy));
    w.Word(0);  // no menu
    w.Word(0);  // the standard dialog class
    w.Text(L"");
    w.Word(8);  // point size, weight, italic, charset, typeface
    w.Word(FW_NORMAL);
    w.bytes.push_back(0);
    w.bytes.push_back(DEFAULT_CHARSET);
    w.Text(L"MS Shell Dlg");
    for (const ControlSpec& row : dialogTemplate.controls) {
        const ControlClass cls = ClassOf(row);
        w.AlignDword();
        w.Dword(0);  // helpID
        w.Dword(cls.exStyle);
        w.Dword(WS_CHILD | WS_VISIBLE | cls.style | ((row.style & kGroup) ? WS_GROUP : 0u));
        w.Short(static_cast<std::int16_t>(row.x));
        w.Short(static_cast<std::int16_t>(row.y));
        w.Short(static_cast<std::int16_t>(row.cx));
        w.Short(static_cast<std::int16_t>(row.cy));
        w.Dword(static_cast<std::uint32_t>(row.id));
        if (cls.name) {
            w.Text(cls.name);
        } else {
            w.Word(0xFFFF);
            w.Word(cls.ordinal);
        }
        w.Text(L"");  // texts come from the page
        w.Word(0);    // no creation data
    }
    return w.bytes;
}

namespace {

// The property sheets shown: their dialog manager is the sheet's own.
std::vector<HWND>& Sheets() {
    static std::vector<HWND> sheets;
    return sheets;
}

bool IsDialogWindow(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return lstrcmpW(name, L"#32770") == 0;
}

// Runs the work the handlers posted, in the order they posted it.
bool RunPosted() {
    bool any = false;
    while (!Posted().empty()) {
        any = true;
        auto task = std::move(Posted().front().run);
        Posted().pop_front();
        task();
    }
    return any;
}

}  // namespace

void DispatchToDialogs(MSG& msg) {
    // The dialog manager of the window a message is for sees it first: Tab, Enter, Escape, the
    // arrow keys and the access keys (Alt+N) are its; translated here, a key's WM_SYSCHAR
    // would reach the control instead of the sheet's buttons.
    if (HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr) {
        const bool sheet = std::find(Sheets().begin(), Sheets().end(), root) != Sheets().end();
        if (sheet ? PropSheet_IsDialogMessage(root, &msg) != FALSE
                  : IsDialogWindow(root) && IsDialogMessageW(root, &msg)) {
            return;
        }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void PumpMessages() {
    for (int round = 0; round < 50; ++round) {
        MSG msg;
        bool any = false;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            any = true;
            DispatchToDialogs(msg);
        }
        if (!RunPosted() && !any) {
            return;
        }
    }
}

namespace {

// Windows' service that gives controls their accessible names; made when first needed.
IAccPropServices* AccessibilityServices() {
    return SharedComObject<IAccPropServices>(CLSID_AccPropServices, IID_IAccPropServices);
}

// A picture control's drawing; false for any other control.
bool DrawPictureControl(const DialogTemplate& dialogTemplate, HWND window,
                        const DRAWITEMSTRUCT& item) {
    const ControlSpec* row = dialogTemplate.Find(static_cast<int>(item.CtlID));
    if (!row || row->kind != ControlKind::Picture || !row->resource) {
        return false;
    }
    // The window's own background first: the picture's edges are translucent.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(window, WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(item.hDC),
                                                       reinterpret_cast<LPARAM>(item.hwndItem)));
    FillRect(item.hDC, &item.rcItem, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    DrawPicture(item.hDC, item.rcItem, row->resource);
    return true;
}

// Dialog base units: the pixels that 4 horizontal and 8 vertical dialog units take.
struct BaseUnits {
    int x;
    int y;
};

// Places a top-level window of `cx` by `cy` pixels in the middle of the work area of the
// monitor that holds the mouse pointer, where the user is looking.
void CenterOnWorkArea(HWND window, int cx, int cy) {
    POINT pointer{};
    GetCursorPos(&pointer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    SetWindowPos(window, nullptr, work.left + std::max(0L, (work.right - work.left - cx) / 2),
                 work.top + std::max(0L, (work.bottom - work.top - cy) / 2), cx, cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

BaseUnits UnitsOf(HWND dialog) {
    RECT units{0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    return {static_cast<int>(units.right), static_cast<int>(units.bottom)};
}

// A size in pixels in dialog units, rounded up.
WindowSize ToUnits(WindowSize pixels, BaseUnits units) {
    return {(pixels.cx * 4 + units.x - 1) / units.x, (pixels.cy * 8 + units.y - 1) / units.y};
}

// The size `text` takes in the font selected into `dc`, broken into lines no wider than
// `width` (one line for 0).
WindowSize TextExtent(HDC dc, const std::wstring& text, int width, UINT flags) {
    RECT rect{0, 0, width > 0 ? width : 0x7fff, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_EXPANDTABS | flags | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    return {static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
}

// What the layout knows of a control.
struct ControlText {
    std::wstring text;
    HFONT font;
    bool shown;
    bool oneLine;       // a one-line label, vertically centred; made false where it must wrap
    int boxHeight = 0;  // a combo box's height as it shows, closed; 0: not known
};

// Places a template's controls for their texts, in pixels (as MapDialogRect would for
// `units`); the size they need, at least the template's.
WindowSize ArrangeForTexts(const DialogTemplate& dialogTemplate, std::vector<ControlText>& texts,
                           BaseUnits units, std::vector<PlacedControl>& placed) {
    HDC dc = CreateCompatibleDC(nullptr);
    placed.clear();
    for (std::size_t i = 0; i < dialogTemplate.controls.size(); ++i) {
        const ControlSpec& row = dialogTemplate.controls[i];
        ControlText& control = texts[i];
        const int x = MulDiv(row.x, units.x, 4);
        const int y = MulDiv(row.y, units.y, 8);
        PlacedControl c{x, y, MulDiv(row.x + row.cx, units.x, 4) - x,
                        MulDiv(row.y + row.cy, units.y, 8) - y};
        c.needed = c.cy;
        c.button = row.kind == ControlKind::Push;
        c.shown = control.shown;
        const std::wstring& text = control.text;
        HGDIOBJ old =
            SelectObject(dc, control.font ? control.font : GetStockObject(DEFAULT_GUI_FONT));
        if (row.kind == ControlKind::Static && !(row.style & kScroll) && !text.empty()) {
            if (control.oneLine && (text.find(L'\n') != std::wstring::npos ||
                                    TextExtent(dc, text, 0, DT_NOPREFIX).cx > c.cx)) {
                control.oneLine = false;  // too long for its line: it wraps rather than being cut
            }
            c.textHeight = TextExtent(dc, text, control.oneLine ? 0 : c.cx, DT_NOPREFIX).cy;
            if (!control.oneLine) {
                // Any translation fits in a few times the template's height; only text read
                // from a key can need more, and it must not stretch the window off the screen.
                c.needed = std::min(c.textHeight, c.cy * 8);
            }
        } else if (row.kind == ControlKind::Edit || row.kind == ControlKind::IPAddress) {
            c.fieldHeight = c.cy;
        } else if (row.kind == ControlKind::Combo) {
            // The template's height is the list's; closed, the box is a line and its edges.
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc, &metrics);
            c.fieldHeight = control.boxHeight > 0 ? control.boxHeight : metrics.tmHeight + 8;
        } else if (row.kind == ControlKind::Radio) {
            // The circle and a gap before the text.
            const int indicator = GetSystemMetrics(SM_CXMENUCHECK) + units.x;
            c.needed = TextExtent(dc, text, c.cx - indicator, 0).cy;
        } else if (row.kind == ControlKind::Push) {
            // A caption longer than its button widens it; the row makes room below.
            c.cx = std::max(c.cx, TextExtent(dc, text, 0, 0).cx + units.x * 5 / 2);
        }
        SelectObject(dc, old);
        placed.push_back(c);
    }
    DeleteDC(dc);
    return ArrangeControls(
        placed, {MulDiv(dialogTemplate.cx, units.x, 4), MulDiv(dialogTemplate.cy, units.y, 8)},
        units.x);
}

bool IsArrow(WPARAM key) {
    return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
}

// Arrow keys move among a radio group's buttons and choose the one they reach, the group as
// the template has it (it may join buttons across other controls, which the dialog manager's
// own groups cannot), skipping hidden and disabled buttons.
LRESULT CALLBACK RadioKeys(HWND radio, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) {
    if (message == WM_GETDLGCODE && lParam) {
        const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
        if (msg.message == WM_KEYDOWN && IsArrow(msg.wParam)) {
            return DefSubclassProc(radio, message, wParam, lParam) | DLGC_WANTARROWS;
        }
    }
    if (message == WM_KEYDOWN && IsArrow(wParam)) {
        const auto& dialogTemplate = *reinterpret_cast<const DialogTemplate*>(data);
        const std::vector<int> group = dialogTemplate.RadioGroup(GetDlgCtrlID(radio));
        const auto at = std::find(group.begin(), group.end(), GetDlgCtrlID(radio));
        const int count = static_cast<int>(group.size());
        const int step = (wParam == VK_UP || wParam == VK_LEFT) ? count - 1 : 1;
        for (int k = 1, i = static_cast<int>(at - group.begin()); at != group.end() && k < count;
             ++k) {
            HWND next = GetDlgItem(GetParent(radio), group[(i + step * k) % count]);
            if (IsWindowVisible(next) && IsWindowEnabled(next)) {
                SetFocus(next);
                SendMessageW(next, BM_CLICK, 0, 0);
                break;
            }
        }
        return 0;
    }
    return DefSubclassProc(radio, message, wParam, lParam);
}

// The Controls interface on a dialog window's children.
template <class Interface>
class Win32Controls : public Interface {
  public:
    explicit Win32Controls(const DialogTemplate& dialogTemplate) : template_(dialogTemplate) {}
    ~Win32Controls() override {
        for (const ControlSpec& row : template_.controls) {
            if (row.kind == ControlKind::Radio && hwnd_ && IsWindow(Item(row.id))) {
                RemoveWindowSubclass(Item(row.id), &RadioKeys, 0);
            }
        }
        if (bold_) {
            DeleteObject(bold_);
        }
    }

    HWND Handle() const { return hwnd_; }
    void Attach(HWND hwnd) {
        hwnd_ = hwnd;
        for (const ControlSpec& row : template_.controls) {
            if (row.kind == ControlKind::Radio) {
                SetWindowSubclass(Item(row.id), &RadioKeys, 0,
                                  reinterpret_cast<DWORD_PTR>(&template_));
            }
        }
    }

    std::wstring Text(int id) const override {
        HWND control = Item(id);
        const std::wstring text = WindowText(control);
        if (IsMultiline(control)) {
            std::wstring plain;
            for (wchar_t c : text) {
                if (c != L'\r') {
                    plain += c;
                }
            }
            return plain;
        }
        return text;
    }
    void SetText(int id, const std::wstring& text) override {
        HWND control = Item(id);
        if (!IsMultiline(control)) {
            SetWindowTextW(control, text.c_str());
            return;
        }
        // A multi-line edit box breaks its lines at CR LF only.
        std::wstring lines;
        for (wchar_t c : text) {
            if (c == L'\n') {
                lines += L'\r';
            }
            lines += c;
        }
        SetWindowTextW(control, lines.c_str());
        ShowScrollBarIfNeeded(control);
    }
    bool IsChecked(int id) const override {
        return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    void SetCheck(int id, bool on) override {
        if (on) {
            for (int other : template_.RadioGroup(id)) {
                SendMessageW(Item(other), BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
        SendMessageW(Item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    bool IsEnabled(int id) const override { return IsWindowEnabled(Item(id)) != FALSE; }
    void Enable(int id, bool on) override { EnableWindow(Item(id), on); }
    bool IsShown(int id) const override {
        return (GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
    }
    void Show(int id, bool on) override { ShowWindow(Item(id), on ? SW_SHOW : SW_HIDE); }
    // Through the dialog manager of the top-level window (the sheet, for a page): it selects
    // an edit box's whole text, and a push button that takes the focus becomes the default
    // one, so Enter presses the focused button as it does after Tab.
    void Focus(int id) override {
        HWND control = Item(id);
        SendMessageW(GetAncestor(hwnd_, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control),
                     TRUE);
        if (IsAddressControl(control)) {
            SendMessageW(control, IPM_SETFOCUS, 0, 0);  // its first field, selected
        }
    }
    void LimitText(int id, int chars) override {
        SendMessageW(Item(id), EM_SETLIMITTEXT, static_cast<WPARAM>(chars), 0);
    }
    // Windows names a control after the label before it; where that is not its name (the
    // boxes of an address row, an address control named by a label elsewhere), the name is
    // annotated through Windows' accessibility services.
    void SetAccessibleName(int id, const std::wstring& name) override {
        if (IAccPropServices* services = AccessibilityServices()) {
            services->SetHwndPropStr(Item(id), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                     PROPID_ACC_NAME, name.c_str());
        }
    }
    void ComboAdd(int id, const std::wstring& item) override {
        SendMessageW(Item(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    int ComboSelection(int id) const override {
        return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
    }
    void SetComboSelection(int id, int index) override {
        SendMessageW(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    std::wstring ComboText(int id, int index) const override {
        const LRESULT length =
            SendMessageW(Item(id), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length < 0) {
            return std::wstring();
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        return text;
    }
    int Address(int id, std::uint32_t& value) const override {
        DWORD address = 0;
        const LRESULT fields =
            SendMessageW(Item(id), IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
        value = address;
        return static_cast<int>(fields);
    }
    void SetAddress(int id, std::uint32_t value) override {
        SendMessageW(Item(id), IPM_SETADDRESS, 0, static_cast<LPARAM>(value));
    }
    void ClearAddress(int id) override { SendMessageW(Item(id), IPM_CLEARADDRESS, 0, 0); }
    void FocusAddressField(int id, int field) override {
        SendMessageW(Item(id), IPM_SETFOCUS, static_cast<WPARAM>(field), 0);
    }
    void SetBoldTitle(int id) override {
        HWND title = Item(id);
        auto font = reinterpret_cast<HFONT>(SendMessageW(title, WM_GETFONT, 0, 0));
        LOGFONTW logFont{};
        if (!font || !GetObjectW(font, sizeof logFont, &logFont)) {
            return;
        }
        logFont.lfWeight = FW_BOLD;
        if (HFONT bold = CreateFontIndirectW(&logFont)) {
            SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(bold), TRUE);
            if (bold_) {
                DeleteObject(bold_);
            }
            bold_ = bold;
        }
    }
    int Message(const std::wstring& text, const std::optional<std::wstring>& caption,
                platform::MessageButtons buttons) override {
        return platform::Current().ShowMessage(
            platform::MessageRequest{hwnd_, caption.value_or(ApplicationName()), text, buttons});
    }

    // Lays the controls out for their texts, in the control's own fonts; the size in pixels
    // they need (at least the template's).
    WindowSize LayOut() {
        const BaseUnits units = UnitsOf(hwnd_);
        std::vector<ControlText> texts;
        for (const ControlSpec& row : template_.controls) {
            HWND control = Item(row.id);
            const LONG style = GetWindowLongW(control, GWL_STYLE);
            RECT box{};
            if (row.kind == ControlKind::Combo) {
                GetWindowRect(control, &box);  // a combo box's window is its closed box
            }
            texts.push_back({WindowText(control),
                             reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                             (style & WS_VISIBLE) != 0,
                             row.kind == ControlKind::Static && (style & SS_CENTERIMAGE) != 0,
                             static_cast<int>(box.bottom - box.top)});
        }
        std::vector<PlacedControl> placed;
        const WindowSize size = ArrangeForTexts(template_, texts, units, placed);
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const ControlSpec& row = template_.controls[i];
            const PlacedControl& c = placed[i];
            HWND control = Item(row.id);
            if (row.kind == ControlKind::Static && !texts[i].oneLine) {
                SetWindowLongW(control, GWL_STYLE,
                               GetWindowLongW(control, GWL_STYLE) & ~SS_CENTERIMAGE);
            }
            // Only texts grow; a combo box's height is its list's, an address control's its own.
            const bool sized = row.kind == ControlKind::Static || row.kind == ControlKind::Radio ||
                               row.kind == ControlKind::Push;
            SetWindowPos(control, nullptr, c.x, c.y, c.cx, c.cy,
                         SWP_NOZORDER | SWP_NOACTIVATE | (sized ? 0u : SWP_NOSIZE));
            if (row.style & kScroll) {
                // Its text lines up with the labels above it.
                SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
                ShowScrollBarIfNeeded(control);
            }
        }
        return size;
    }

    WindowSize ToDialogUnits(WindowSize pixels) const { return ToUnits(pixels, UnitsOf(hwnd_)); }

  protected:
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    static std::wstring WindowText(HWND control) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    // Text from a key scrolls when it is longer than its box; a shorter one shows no bar.
    static void ShowScrollBarIfNeeded(HWND control) {
        ShowScrollBar(control, SB_VERT, FALSE);
        HDC dc = GetDC(control);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        RECT client;
        GetClientRect(control, &client);
        const auto lines = SendMessageW(control, EM_GETLINECOUNT, 0, 0);
        ShowScrollBar(control, SB_VERT, lines * metrics.tmHeight > client.bottom);
    }
    static bool IsAddressControl(HWND control) {
        wchar_t name[32] = {};
        GetClassNameW(control, name, 32);
        return lstrcmpiW(name, WC_IPADDRESSW) == 0;
    }
    static bool IsMultiline(HWND control) {
        wchar_t name[16] = {};
        GetClassNameW(control, name, 16);
        return lstrcmpiW(name, L"Edit") == 0 &&
               (GetWindowLongW(control, GWL_STYLE) & ES_MULTILINE) != 0;
    }

    DialogTemplate template_;
    HWND hwnd_ = nullptr;
    HFONT bold_ = nullptr;
};

// A control's notification, as the framework names it.
bool Notification(WPARAM wParam, int& id, Notify& code) {
    id = LOWORD(wParam);
    switch (HIWORD(wParam)) {
        case BN_CLICKED:
            code = Notify::Clicked;
            return true;
        case EN_CHANGE:
            code = Notify::Changed;
            return true;
        case CBN_SELCHANGE:
            code = Notify::SelectionChanged;
            return true;
        default:
            return false;
    }
}

class Win32PageWindow final : public Win32Controls<PageWindow> {
  public:
    Win32PageWindow(CPropertyPageEx& page, HWND hwnd) : Win32Controls(page.Template()) {
        Attach(hwnd);
    }
    // The Win32 backend's sizes are dialog units: the sheet sizes its pages from templates.
    WindowSize Relayout(bool) override { return ToDialogUnits(LayOut()); }
    int FocusedControl() const override {
        for (HWND focus = GetFocus(); focus; focus = GetParent(focus)) {
            if (GetParent(focus) == hwnd_) {
                return IsWindowVisible(focus) && IsWindowEnabled(focus) ? GetDlgCtrlID(focus) : 0;
            }
        }
        return 0;
    }
};

// The font every page's controls get, bold for a title, and its dialog base units: from one
// empty dialog made from a page's template header, once.
struct PageFont {
    HFONT normal;
    HFONT bold;
    BaseUnits units;
};

const PageFont& FontOfPages() {
    static const PageFont font = [] {
        const std::vector<std::uint8_t> bytes =
            BuildDialogTemplate(DialogTemplate{4, 8, {}}, TemplateUse::LonePage);
        HWND window = CreateDialogIndirectParamW(
            GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), nullptr,
            [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR { return message == WM_INITDIALOG; },
            0);
        PageFont made{nullptr, nullptr, UnitsOf(window)};
        LOGFONTW logFont{};
        // Copies: the dialog's own font goes with it.
        if (GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)),
                       sizeof logFont, &logFont)) {
            made.normal = CreateFontIndirectW(&logFont);
            logFont.lfWeight = FW_BOLD;
            made.bold = CreateFontIndirectW(&logFont);
        }
        DestroyWindow(window);
        return made;
    }();
    return font;
}

// A page outside any sheet, only to be measured: its controls are records, measured in the
// pages' font without making a window for each (which costs Wine about 25 ms a page).
class Win32MeasuredPage final : public RecordWindow<PageWindow> {
  public:
    explicit Win32MeasuredPage(CPropertyPageEx& page)
        : RecordWindow(
              page.Template(), [](int, Notify) {}, &focus_),
          template_(page.Template()) {}
    WindowSize Relayout(bool) override {
        const PageFont& font = FontOfPages();
        std::vector<ControlText> texts;
        for (const ControlSpec& row : template_.controls) {
            const RecordControl& control = records.At(row.id);
            texts.push_back({control.text, control.bold ? font.bold : font.normal, control.shown,
                             row.kind == ControlKind::Static && (row.style & kVCenter) != 0});
        }
        std::vector<PlacedControl> placed;
        return ToUnits(ArrangeForTexts(template_, texts, font.units, placed), font.units);
    }
    int FocusedControl() const override { return 0; }

  private:
    RecordFocus focus_;
    DialogTemplate template_;
};

class Win32DialogWindow final : public Win32Controls<DialogWindow> {
  public:
    explicit Win32DialogWindow(CDialog& dialog)
        : Win32Controls(dialog.Template()),
          dialog_(dialog),
          bytes_(BuildDialogTemplate(dialog.Template(), TemplateUse::Dialog)) {
        Attach(CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                          reinterpret_cast<LPCDLGTEMPLATEW>(bytes_.data()), nullptr,
                                          &Proc, reinterpret_cast<LPARAM>(this)));
        // The program's icon on the task bar and in the switcher, as the wizard has it.
        for (auto [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
            const int size = GetSystemMetrics(metric);
            if (HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIcon),
                                         IMAGE_ICON, size, size, LR_SHARED)) {
                SendMessageW(hwnd_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
            }
        }
    }
    ~Win32DialogWindow() override {
        if (hwnd_) {
            DestroyWindow(hwnd_);
        }
    }
    void SetCaption(const std::wstring& caption) override {
        SetWindowTextW(hwnd_, caption.c_str());
    }
    void Describe(const std::wstring&) override {}  // Windows reads the dialog's own texts
    int RunModal() override {
        ended_ = false;
        ShowWindow(hwnd_, SW_SHOW);
        MSG msg;
        while (!ended_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
            DispatchToDialogs(msg);
            RunPosted();
        }
        ShowWindow(hwnd_, SW_HIDE);
        return result_;
    }
    void End(int result) override {
        ended_ = true;
        result_ = result;
        ShowWindow(hwnd_, SW_HIDE);
    }
    void Relayout() override {
        const WindowSize needed = LayOut();
        RECT frame{0, 0, needed.cx, needed.cy};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_EXSTYLE)));
        CenterOnWorkArea(hwnd_, frame.right - frame.left, frame.bottom - frame.top);
    }

  private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
            return FALSE;  // the framework places the focus
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
            return DrawPictureControl(self->template_, hwnd,
                                      *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        }
        return FALSE;
    }

    CDialog& dialog_;
    std::vector<std::uint8_t> bytes_;
    bool ended_ = false;
    int result_ = 0;
};

class Win32SheetWindow final : public SheetWindow {
  public:
    explicit Win32SheetWindow(CPropertySheetEx& sheet) : sheet_(sheet) {}
    ~Win32SheetWindow() override {
        std::erase_if(Posted(), [this](const PostedTask& task) { return task.sheet == this; });
        std::erase(Sheets(), hwnd_);
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
        const WindowSize needed = window->LayOut();
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
        HWND button = GetDlgItem(hwnd_, (buttons_ & PSWIZB_FINISH) ? kFinishButton : kNextButton);
        if (button && IsWindowVisible(button) && IsWindowEnabled(button)) {
            SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
        }
    }
    void Post(std::function<void()> task) override { Posted().push_back({this, std::move(task)}); }
    int RunModal() override {
        MSG msg;
        while (!ended_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
            DispatchToDialogs(msg);
            RunPosted();
            if (!PropSheet_GetCurrentPageHwnd(hwnd_)) {
                break;  // Finish or Cancel closed the sheet
            }
        }
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
        header.dwFlags = PSH_WIZARD97 | PSH_MODELESS | PSH_PROPSHEETPAGE | PSH_USEICONID;
        header.pszIcon = MAKEINTRESOURCEW(kProgramIcon);
        header.hInstance = GetModuleHandleW(nullptr);
        header.pszCaption = L"";
        header.nPages = static_cast<UINT>(pages.size());
        header.nStartPage = static_cast<UINT>(start);
        header.ppsp = pages.data();
        hwnd_ = reinterpret_cast<HWND>(PropertySheetW(&header));
        Sheets().push_back(hwnd_);
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
                        // The framework decides where Next leads, after this returns.
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
    // the buttons and the line above them move with the sheet's bottom right corner.
    void Grow(int dx, int dy) {
        RECT pageRect;
        GetWindowRect(PropSheet_GetCurrentPageHwnd(hwnd_), &pageRect);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&pageRect), 2);
        for (HWND child = GetWindow(hwnd_, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            RECT r;
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
            const bool isPage = std::any_of(entries_.begin(), entries_.end(),
                                            [child](const Entry& e) { return e.hwnd == child; });
            int x = r.left;
            int y = r.top;
            int cx = r.right - r.left;
            int cy = r.bottom - r.top;
            if (isPage) {
                cx += dx;
                cy += dy;
            } else if (r.top >= pageRect.bottom) {
                y += dy;
                if (cx > (pageRect.right - pageRect.left) / 2) {
                    cx += dx;  // the line across the sheet
                } else if (r.left > (pageRect.left + pageRect.right) / 2) {
                    x += dx;  // the buttons at the right
                }
            } else {
                continue;
            }
            SetWindowPos(child, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        RECT frame;
        GetWindowRect(hwnd_, &frame);
        CenterOnWorkArea(hwnd_, frame.right - frame.left + dx, frame.bottom - frame.top + dy);
    }

    CPropertySheetEx& sheet_;
    HWND hwnd_ = nullptr;
    WindowSize pageSize_;
    std::vector<Entry> entries_;
    bool ended_ = false;
    bool inNotify_ = false;
    int result_ = 0;
    int buttons_ = 0;
};

}  // namespace

Win32Backend::Win32Backend() {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

std::unique_ptr<SheetWindow> Win32Backend::CreateSheet(CPropertySheetEx& sheet) {
    return std::make_unique<Win32SheetWindow>(sheet);
}

std::unique_ptr<PageWindow> Win32Backend::CreateLonePage(CPropertyPageEx& page) {
    return std::make_unique<Win32MeasuredPage>(page);
}

std::unique_ptr<DialogWindow> Win32Backend::CreateDialogWindow(CDialog& dialog) {
    return std::make_unique<Win32DialogWindow>(dialog);
}

HWND SheetHandle(CPropertySheetEx& sheet) {
    auto* window = dynamic_cast<Win32SheetWindow*>(&sheet.Window());
    return window ? window->Handle() : nullptr;
}

HWND PageHandle(const CPropertyPageEx& page) {
    auto* window = dynamic_cast<Win32PageWindow*>(page.Window());
    return window ? window->Handle() : nullptr;
}

HWND DialogHandle(const CDialog& dialog) {
    auto* window = dynamic_cast<Win32DialogWindow*>(dialog.Window());
    return window ? window->Handle() : nullptr;
}

}  // namespace framework::win32
