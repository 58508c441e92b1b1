#pragma once
// Where a template's controls go once their texts are known, on any backend: a text that
// needs more height than its control grows the control's row and moves everything below it
// down; buttons widened for their captions keep their order and a gap on their row; a label
// stands level with the field it names on its row.

#include <vector>

#include "framework/Backend.h"

namespace framework {

struct PlacedControl {
    // The template's place in the backend's units; `cx` already widened where a caption
    // needs it. Arranging sets the final place.
    int x = 0, y = 0, cx = 0, cy = 0;
    int needed = 0;  // the height the control's content needs
    bool button = false;
    bool shown = true;
    // A label: the height of its text (0 for any other control). A field that takes typed
    // or chosen values: the height of its box as it shows (0 for any other control).
    int textHeight = 0;
    int fieldHeight = 0;
};

// Arranges the controls; the size they need, at least `base` (the template's size).
// `gap`: the space kept between buttons on one row.
WindowSize ArrangeControls(std::vector<PlacedControl>& controls, WindowSize base, int gap);

}  // namespace framework
