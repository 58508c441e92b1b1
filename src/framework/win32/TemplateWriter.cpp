#include "framework/win32/TemplateWriter.h"

#include "framework/Layout.h"

// Then Windows.
#include <windows.h>

#include <commctrl.h>

namespace framework::win32 {
namespace {

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

// `namesField`: a label naming the field after it, whose access key ("&Gateway") takes the
// keyboard there; any other static shows its text as it stands, '&' and all.
ControlClass ClassOf(const ControlSpec& row, bool namesField) {
    const DWORD tab = (row.style & kNoFocus) ? 0 : WS_TABSTOP;
    switch (row.kind) {
        case ControlKind::Static:
            if (row.style & kScroll) {  // text from a key: scrolls, read-only
                return {nullptr, 0x0081, ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL,
                        0};
            }
            return {nullptr, 0x0082,
                    SS_LEFT | (namesField ? 0u : SS_NOPREFIX) |
                        ((row.style & kVCenter) ? SS_CENTERIMAGE : 0u),
                    0};
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
    for (std::size_t i = 0; i < dialogTemplate.controls.size(); ++i) {
        const ControlSpec& row = dialogTemplate.controls[i];
        const ControlClass cls = ClassOf(row, LabelsAField(dialogTemplate, i));
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

}  // namespace framework::win32
