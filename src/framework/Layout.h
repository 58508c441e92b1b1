#pragma once
// Where a template's controls go once their texts are known, on any backend: a text that
// needs more height than its control grows the control's row and moves everything below it
// down; buttons widened for their captions keep their order and a gap on their row; a label
// stands level with the field it names on its row, on one line, and where its text needs more
// room than its column gives, the field column moves right: a label never touches its field.

#include <vector>

#include "framework/Backend.h"
#include "framework/DialogTemplate.h"

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
    // A label that names a field to its right (see LabelsAField): `cx` is its text's width.
    bool labelsField = false;
};

// Whether the template's control `index` is a label naming a field on its row, to its right
// (an edit box, an IP address control, a combo box). Such a label stays on one line.
bool LabelsAField(const DialogTemplate& dialogTemplate, std::size_t index);

// Arranges the controls; the size they need, at least `base` (the template's size).
// `gap`: the space kept between buttons on one row.
WindowSize ArrangeControls(std::vector<PlacedControl>& controls, WindowSize base, int gap);

}  // namespace framework
