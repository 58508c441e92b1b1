#include "framework/win32/Measure.h"

#include "framework/PropertyPage.h"
#include "framework/headless/MeasuredPage.h"

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
// empty dialog made from a page's template header, once. A message-only window: a window on
// the screen, even hidden, costs Wine a top-level window's making twice at start-up.
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
            GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()),
            HWND_MESSAGE,
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

// Texts measured with GDI in each control's font, in the pixels MapDialogRect gives for
// `units`.
class Win32TextMeasure final : public TextMeasure {
  public:
    Win32TextMeasure(BaseUnits units, std::vector<ControlFont> fonts)
        : dc_(CreateCompatibleDC(nullptr)), units_(units), fonts_(std::move(fonts)) {}
    ~Win32TextMeasure() override { DeleteDC(dc_); }
    Win32TextMeasure(const Win32TextMeasure&) = delete;
    Win32TextMeasure& operator=(const Win32TextMeasure&) = delete;

    PlacedControl Place(const ControlSpec& row) const override {
        const int x = MulDiv(row.x, units_.x, 4);
        const int y = MulDiv(row.y, units_.y, 8);
        return {x, y, MulDiv(row.x + row.cx, units_.x, 4) - x,
                MulDiv(row.y + row.cy, units_.y, 8) - y};
    }
    WindowSize Size(const DialogTemplate& dialogTemplate) const override {
        return {MulDiv(dialogTemplate.cx, units_.x, 4), MulDiv(dialogTemplate.cy, units_.y, 8)};
    }
    int Gap() const override { return units_.x; }
    WindowSize OneLine(std::size_t index, const std::wstring& text, bool mnemonic) const override {
        return TextExtent(In(index), text, 0, mnemonic ? 0 : DT_NOPREFIX);
    }
    int Wrapped(std::size_t index, const std::wstring& text, int width) const override {
        return TextExtent(In(index), text, width, DT_NOPREFIX).cy;
    }
    int CjkCharacter(std::size_t index) const override {
        return TextExtent(In(index), L"\u4e00", 0, DT_NOPREFIX).cx;
    }
    int Radio(std::size_t index, std::wstring& shown, int width) const override {
        // The circle and a gap before the text.
        const int indicator = GetSystemMetrics(SM_CXMENUCHECK) + units_.x;
        return TextExtent(In(index), shown, width - indicator, 0).cy;
    }
    int PushWidth(std::size_t index, const std::wstring& text) const override {
        return TextExtent(In(index), text, 0, 0).cx + units_.x * 5 / 2;
    }
    int ComboHeight(std::size_t index) const override {
        if (index < fonts_.size() && fonts_[index].boxHeight > 0) {
            return fonts_[index].boxHeight;
        }
        TEXTMETRICW metrics{};
        GetTextMetricsW(In(index), &metrics);
        return metrics.tmHeight + 8;
    }

  private:
    // The measuring context with control `index`'s font selected.
    HDC In(std::size_t index) const {
        const HFONT font = index < fonts_.size() ? fonts_[index].font : nullptr;
        SelectObject(dc_, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
        return dc_;
    }

    HDC dc_;
    BaseUnits units_;
    std::vector<ControlFont> fonts_;
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

std::unique_ptr<TextMeasure> MeasureFor(BaseUnits units, std::vector<ControlFont> fonts) {
    return std::make_unique<Win32TextMeasure>(units, std::move(fonts));
}

std::unique_ptr<PageWindow> CreateMeasuredPage(CPropertyPageEx& page) {
    // Measured in the pages' font without making a window for each control (which costs
    // Wine about 25 ms a page).
    return headless::CreateMeasuredPage(
        page, {[](const std::vector<bool>& bold) {
                   const PageFont& font = FontOfPages();
                   std::vector<ControlFont> fonts;
                   for (bool title : bold) {
                       fonts.push_back({title ? font.bold : font.normal});
                   }
                   return MeasureFor(font.units, std::move(fonts));
               },
               [](WindowSize pixels) { return ToUnits(pixels, FontOfPages().units); }});
}

}  // namespace framework::win32
