#pragma once
// Where a template's controls go for their texts, measured in their fonts with GDI, the same
// way for a page's real controls and for a page on records: the sheet's one size comes from
// the ten pages measured without making a window for each.

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
                           BaseUnits units, std::vector<PlacedControl>& placed);

// A page outside any sheet, to measure it: records measured in the pages' font.
std::unique_ptr<PageWindow> CreateMeasuredPage(CPropertyPageEx& page);

}  // namespace framework::win32
