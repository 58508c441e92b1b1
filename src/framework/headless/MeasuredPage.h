#pragma once
// A page outside any sheet, only to be measured: its controls are records, arranged by the
// one arrangement with the measure a backend makes for them (in its pages' fonts), without a
// window or widget for any control. The sheet's one size comes from the ten pages so measured.

#include <functional>
#include <memory>
#include <vector>

#include "framework/Layout.h"
#include "framework/PropertyPage.h"
#include "framework/headless/Controls.h"

namespace framework::headless {

// A backend's measure for a page's texts; `bold`: for each control, whether it is a bold title.
// The size is in the units the backend's sheet takes a page's size in.
struct PageMeasure {
    std::function<std::unique_ptr<TextMeasure>(const std::vector<bool>& bold)> make;
    std::function<WindowSize(WindowSize pixels)> toSheetUnits = [](WindowSize pixels) {
        return pixels;
    };
};

std::unique_ptr<PageWindow> CreateMeasuredPage(CPropertyPageEx& page, PageMeasure measure);

}  // namespace framework::headless
