#include "framework/win32/Controls.h"
#include "framework/win32/Measure.h"

#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

// Then Windows.
#include "framework/win32/Com.h"
#include "framework/win32/Pictures.h"

#include <commctrl.h>
// The accessibility services' identifiers are defined here: no import library holds them.
#include <initguid.h>
#include <oleacc.h>

#include <algorithm>

namespace framework::win32 {
namespace {

NameAnnotator& InstalledAnnotator() {
    static NameAnnotator annotate;
    return annotate;
}

// Gives `control` its name through Windows' accessibility services (made when first needed).
void Annotate(HWND control, const std::wstring& name) {
    if (InstalledAnnotator()) {
        InstalledAnnotator()(control, name);
    } else if (auto* services =
                   SharedComObject<IAccPropServices>(CLSID_AccPropServices, IID_IAccPropServices)) {
        services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_NAME, name.c_str());
    }
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

}  // namespace

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

Win32Controls::~Win32Controls() {
    for (const ControlSpec& row : template_.controls) {
        if (row.kind == ControlKind::Radio && hwnd_ && IsWindow(Item(row.id))) {
            RemoveWindowSubclass(Item(row.id), &RadioKeys, 0);
        }
    }
    if (bold_) {
        DeleteObject(bold_);
    }
}

HWND Win32Controls::Handle() const {
    return hwnd_;
}

void Win32Controls::Attach(HWND hwnd) {
    hwnd_ = hwnd;
    if (!hwnd) {
        return;  // the window is gone
    }
    for (const ControlSpec& row : template_.controls) {
        if (row.kind == ControlKind::Radio) {
            SetWindowSubclass(Item(row.id), &RadioKeys, 0, reinterpret_cast<DWORD_PTR>(&template_));
        }
    }
}

std::wstring Win32Controls::Text(int id) const {
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
    if (const ControlSpec* row = template_.Find(id);
        IsLabel(control) && !(row && (row->style & kVerbatim))) {
        std::wstring set = text;  // as it was set: the words kept whole are shown only
        std::replace(set.begin(), set.end(), kNoBreakHyphen, L'-');
        return set;
    }
    return text;
}

void Win32Controls::SetText(int id, const std::wstring& text) {
    HWND control = Item(id);
    if (!IsMultiline(control)) {
        const ControlSpec* row = template_.Find(id);
        const bool keptWhole = IsLabel(control) && !(row && (row->style & kVerbatim));
        SetWindowTextW(control, (keptWhole ? KeptWhole(text) : text).c_str());
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
    SetScrolledText(control, lines);
}

bool Win32Controls::IsChecked(int id) const {
    return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Controls::SetCheck(int id, bool on) {
    if (on) {
        for (int other : template_.RadioGroup(id)) {
            SendMessageW(Item(other), BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    SendMessageW(Item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Controls::IsEnabled(int id) const {
    return IsWindowEnabled(Item(id)) != FALSE;
}

void Win32Controls::Enable(int id, bool on) {
    EnableWindow(Item(id), on);
}

bool Win32Controls::IsShown(int id) const {
    return (GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Controls::Show(int id, bool on) {
    ShowWindow(Item(id), on ? SW_SHOW : SW_HIDE);
}

void Win32Controls::Focus(int id) {
    HWND control = Item(id);
    SendMessageW(GetAncestor(hwnd_, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control),
                 TRUE);
    if (IsAddressControl(control)) {
        SendMessageW(control, IPM_SETFOCUS, 0, 0);  // its first field, selected
    }
}

void Win32Controls::LimitText(int id, int chars) {
    SendMessageW(Item(id), EM_SETLIMITTEXT, static_cast<WPARAM>(chars), 0);
}

void SetNameAnnotator(NameAnnotator annotate) {
    InstalledAnnotator() = std::move(annotate);
}

void Win32Controls::SetAccessibleName(int id, const std::wstring& name) {
    HWND control = Item(id);
    if (IsAddressControl(control)) {
        std::vector<std::pair<LONG, HWND>> fields;
        for (HWND field = GetWindow(control, GW_CHILD); field;
             field = GetWindow(field, GW_HWNDNEXT)) {
            RECT rect;
            GetWindowRect(field, &rect);
            fields.emplace_back(rect.left, field);
        }
        std::sort(fields.begin(), fields.end());
        for (std::size_t i = 0; i < fields.size(); ++i) {
            Annotate(fields[i].second,
                     platform::LoadFormatted(IDS_FW_OCTET_NAME, {name, std::to_wstring(i + 1)}));
        }
        Annotate(control, name);
        return;
    }
    // Windows' own lookup names an edit box after the static right before it, dropping only
    // the '&' of its access key (a "(&A)" stays as "(A)"): annotated where that is not the
    // name. Any other field is annotated: Wine's lookup names no combo box after its label.
    HWND before = IsEdit(control) ? GetWindow(control, GW_HWNDPREV) : nullptr;
    std::wstring found = before && IsLabel(before) ? WindowText(before) : std::wstring();
    if (const std::size_t key = found.find(L'&'); key != std::wstring::npos) {
        found.erase(key, 1);
    }
    if (found != name) {
        Annotate(control, name);
    }
}

void Win32Controls::ComboAdd(int id, const std::wstring& item) {
    SendMessageW(Item(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int Win32Controls::ComboSelection(int id) const {
    return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
}

std::wstring Win32Controls::ComboText(int id, int index) const {
    const LRESULT length = SendMessageW(Item(id), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) {
        return std::wstring();
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

int Win32Controls::Address(int id, std::uint32_t& value) const {
    DWORD address = 0;
    const LRESULT fields =
        SendMessageW(Item(id), IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
    value = address;
    return static_cast<int>(fields);
}

void Win32Controls::SetAddress(int id, std::uint32_t value) {
    SendMessageW(Item(id), IPM_SETADDRESS, 0, static_cast<LPARAM>(value));
}

void Win32Controls::SetBoldTitle(int id) {
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

int Win32Controls::Message(const std::wstring& text, const std::optional<std::wstring>& caption,
                           platform::MessageButtons buttons) {
    return platform::Current().ShowMessage(
        platform::MessageRequest{hwnd_, caption.value_or(ApplicationName()), text, buttons});
}

WindowSize Win32Controls::LayOut() {
    std::vector<ControlText> texts;
    std::vector<ControlFont> fonts;
    for (const ControlSpec& row : template_.controls) {
        HWND control = Item(row.id);
        RECT box{};
        if (row.kind == ControlKind::Combo) {
            GetWindowRect(control, &box);  // a combo box's window is its closed box
        }
        texts.push_back(
            {WindowText(control), (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0});
        fonts.push_back({reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                         static_cast<int>(box.bottom - box.top)});
    }
    const Arrangement arrangement =
        ArrangeForTexts(template_, texts, *MeasureFor(UnitsOf(hwnd_), std::move(fonts)));
    const std::vector<PlacedControl>& placed = arrangement.placed;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const ControlSpec& row = template_.controls[i];
        const PlacedControl& c = placed[i];
        HWND control = Item(row.id);
        // A scrolling text is wrapped again at every change of its box: it waits outside
        // while the box gets its size and margins, and comes back once.
        std::wstring scrolled;
        if (row.style & kScroll) {
            scrolled = WindowText(control);
            SetWindowTextW(control, L"");
        }
        if (row.kind == ControlKind::Static && arrangement.wraps[i]) {
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
            SetScrolledText(control, scrolled);
        }
    }
    return arrangement.size;
}

WindowSize Win32Controls::ToDialogUnits(WindowSize pixels) const {
    return ToUnits(pixels, UnitsOf(hwnd_));
}

HWND Win32Controls::Item(int id) const {
    return GetDlgItem(hwnd_, id);
}

std::wstring Win32Controls::WindowText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Win32Controls::SetScrolledText(HWND control, const std::wstring& text) {
    // The edit box wraps its text at every change of text, width or scroll bar, at a cost
    // that grows with the square of the text: the scroll bar is decided first, on an empty
    // box, from the text measured as the box will wrap it, and the text set once.
    SetWindowTextW(control, L"");
    ShowScrollBar(control, SB_VERT, FALSE);
    RECT format{};
    SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, format.right - format.left, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    ShowScrollBar(control, SB_VERT, needed.bottom > format.bottom - format.top);
    SetWindowTextW(control, text.c_str());
}

bool Win32Controls::HasClass(HWND control, const wchar_t* name) {
    wchar_t actual[32] = {};
    GetClassNameW(control, actual, 32);
    return lstrcmpiW(actual, name) == 0;
}

bool Win32Controls::IsAddressControl(HWND control) {
    return HasClass(control, WC_IPADDRESSW);
}

bool Win32Controls::IsLabel(HWND control) {
    return HasClass(control, L"Static");
}

bool Win32Controls::IsEdit(HWND control) {
    return HasClass(control, L"Edit");
}

bool Win32Controls::IsMultiline(HWND control) {
    return IsEdit(control) && (GetWindowLongW(control, GWL_STYLE) & ES_MULTILINE) != 0;
}

int Win32Controls::FocusedId() const {
    for (HWND focus = GetFocus(); focus; focus = GetParent(focus)) {
        if (GetParent(focus) == hwnd_) {
            // Shown by its own style: the page itself may not be shown yet (as it is activated).
            const bool shown = (GetWindowLongW(focus, GWL_STYLE) & WS_VISIBLE) != 0;
            return shown && IsWindowEnabled(focus) ? GetDlgCtrlID(focus) : 0;
        }
    }
    return 0;
}

}  // namespace framework::win32
