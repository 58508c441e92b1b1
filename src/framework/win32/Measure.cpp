#include "framework/win32/Measure.h"

#include "framework/PropertyPage.h"
#include "framework/Text.h"
#include "framework/headless/Controls.h"

// Then Windows.
#include "framework/win32/TemplateWriter.h"

#include <algorithm>

namespace framework::win32 {
namespace {

// The size `text` takes in the font selected into `dc`, broken into lines no wider than
// `width` (one line for 0).
WindowSize TextExtent(HDC dc, const std::wstring& text, int width, UINT flags) {
    RECT rect{0, 0, width > 0 ? width : 0x7fff, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_EXPANDTABS | flags | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    return {static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
}

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
class Win32MeasuredPage final : public PageWindow {
  public:
    explicit Win32MeasuredPage(CPropertyPageEx& page)
        : controls_(
              page.Template(), [](int, Notify) {}, &focus_),
          template_(page.Template()) {}
    headless::RecordControls& Ctl() override { return controls_; }
    WindowSize Relayout(bool) override {
        const PageFont& font = FontOfPages();
        std::vector<ControlText> texts;
        for (const ControlSpec& row : template_.controls) {
            const headless::RecordControl& control = controls_.At(row.id);
            texts.push_back({control.text, control.bold ? font.bold : font.normal, control.shown,
                             row.kind == ControlKind::Static && (row.style & kVCenter) != 0});
        }
        std::vector<PlacedControl> placed;
        return ToUnits(ArrangeForTexts(template_, texts, font.units, placed), font.units);
    }
    int FocusedControl() const override { return 0; }

  private:
    headless::RecordFocus focus_;
    headless::RecordControls controls_;
    DialogTemplate template_;
};

}  // namespace

BaseUnits UnitsOf(HWND dialog) {
    RECT units{0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    return {static_cast<int>(units.right), static_cast<int>(units.bottom)};
}

// A size in pixels in dialog units, rounded up.
WindowSize ToUnits(WindowSize pixels, BaseUnits units) {
    return {(pixels.cx * 4 + units.x - 1) / units.x, (pixels.cy * 8 + units.y - 1) / units.y};
}

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
            // A label naming a field is as wide as its text, on one line (the field moves).
            if (LabelsAField(dialogTemplate, i)) {
                c.labelsField = true;  // its access key is drawn underlined, not as '&'
                c.cx = std::max(c.cx, TextExtent(dc, text, 0, 0).cx + 1);
            }
            if (control.oneLine && (text.find(L'\n') != std::wstring::npos ||
                                    TextExtent(dc, text, 0, DT_NOPREFIX).cx > c.cx)) {
                control.oneLine = false;  // too long for its line: it wraps rather than being cut
            }
            const std::wstring shown = (row.style & kVerbatim) ? text : KeptWhole(text);
            if (!control.oneLine && !c.labelsField) {
                c.cx = WidthWithoutLoneCharacter(
                    shown, c.cx, [dc] { return TextExtent(dc, L"\u4e00", 0, DT_NOPREFIX).cx; },
                    [dc](const std::wstring& t, int w) {
                        return TextExtent(dc, t, w, DT_NOPREFIX).cy;
                    });
            }
            c.textHeight = TextExtent(dc, shown, control.oneLine ? 0 : c.cx, DT_NOPREFIX).cy;
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

std::unique_ptr<PageWindow> CreateMeasuredPage(CPropertyPageEx& page) {
    return std::make_unique<Win32MeasuredPage>(page);
}

}  // namespace framework::win32
