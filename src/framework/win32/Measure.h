#pragma once
// Texts measured in their fonts with GDI, for the one arrangement, the same way for a page's
// real controls and for a page on records (the sheet's one size comes from the ten pages
// measured without making a window for each).

// The framework's headers come before <windows.h>, whose IDOK and IDCANCEL macros (of the
// same values) would otherwise rewrite the framework's own names.
#include "framework/Backend.h"
#include "framework/DialogTemplate.h"
#include "framework/Layout.h"

// Then Windows.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace framework::win32 {

// Dialog base units: the pixels that 4 horizontal and 8 vertical dialog units take.
struct BaseUnits {
    int x;
    int y;
};
BaseUnits UnitsOf(HWND dialog);
// A size in pixels in dialog units, rounded up.
WindowSize ToUnits(WindowSize pixels, BaseUnits units);

// A control's font for the measure, and a combo box's height as it shows, closed (0: not
// known).
struct ControlFont {
    HFONT font;
    int boxHeight = 0;
};

// The measure of texts in each control's font, in the pixels of `units`, for the arrangement.
std::unique_ptr<TextMeasure> MeasureFor(BaseUnits units, std::vector<ControlFont> fonts);

// A page outside any sheet, to measure it: records measured in the pages' font.
std::unique_ptr<PageWindow> CreateMeasuredPage(CPropertyPageEx& page);

}  // namespace framework::win32
