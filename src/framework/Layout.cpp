#include "framework/Layout.h"

#include <algorithm>

namespace framework {

namespace {

// A label whose row holds a field to its right (the nearest one) is centred on that field's
// box, where its text is read: one line level with the field's text. A label taller than the
// field starts at the field's top.
void AlignLabels(std::vector<PlacedControl>& controls) {
    for (PlacedControl& label : controls) {
        if (label.textHeight <= 0) {
            continue;
        }
        const PlacedControl* field = nullptr;
        for (const PlacedControl& c : controls) {
            const bool onRow = c.y < label.y + label.cy && label.y < c.y + c.fieldHeight;
            if (c.fieldHeight > 0 && c.shown && onRow && c.x >= label.x + label.cx - 1 &&
                (!field || c.x < field->x)) {
                field = &c;
            }
        }
        if (!field) {
            continue;
        }
        label.y = field->y + std::max(0, (field->fieldHeight - label.textHeight) / 2);
        label.cy = std::max(label.textHeight, 1);
    }
}

bool IsField(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::IPAddress ||
           kind == ControlKind::Combo;
}

// A label keeps a gap before the field it names: where its text reaches further, the field's
// column and everything to its right move right, on every row, so the columns stay aligned.
void WidenLabelColumns(std::vector<PlacedControl>& controls, int gap) {
    std::vector<std::pair<int, int>> shifts;  // (a field column's x, how far it moves)
    for (const PlacedControl& label : controls) {
        if (!label.labelsField) {
            continue;
        }
        const PlacedControl* field = nullptr;
        for (const PlacedControl& c : controls) {
            const bool onRow = c.y < label.y + label.cy && label.y < c.y + c.cy;
            if (c.fieldHeight > 0 && onRow && c.x > label.x && (!field || c.x < field->x)) {
                field = &c;
            }
        }
        const int need = field ? label.x + label.cx + gap - field->x : 0;
        if (need <= 0) {
            continue;
        }
        auto column = std::find_if(shifts.begin(), shifts.end(),
                                   [field](const auto& s) { return s.first == field->x; });
        if (column == shifts.end()) {
            shifts.emplace_back(field->x, need);
        } else {
            column->second = std::max(column->second, need);
        }
    }
    for (PlacedControl& c : controls) {
        int offset = 0;
        for (const auto& [x, shift] : shifts) {
            offset += c.x >= x ? shift : 0;
        }
        c.x += offset;
    }
}

}  // namespace

bool LabelsAField(const DialogTemplate& dialogTemplate, std::size_t index) {
    const ControlSpec& label = dialogTemplate.controls[index];
    if (label.kind != ControlKind::Static || (label.style & kScroll)) {
        return false;
    }
    for (const ControlSpec& c : dialogTemplate.controls) {
        const bool onRow = c.y < label.y + label.cy && label.y < c.y + c.cy;
        if (IsField(c.kind) && onRow && c.x >= label.x + label.cx - 1) {
            return true;
        }
    }
    return false;
}

WindowSize ArrangeControls(std::vector<PlacedControl>& controls, WindowSize base, int gap) {
    WidenLabelColumns(controls, gap);
    // Controls side by side on one row grow the row once, by the most any of them needs.
    std::vector<std::pair<int, int>> growths;  // (the row's bottom in the template, extra)
    for (PlacedControl& c : controls) {
        if (c.needed > c.cy) {
            const int bottom = c.y + c.cy;
            auto row = std::find_if(growths.begin(), growths.end(),
                                    [bottom](const auto& g) { return g.first == bottom; });
            if (row == growths.end()) {
                growths.emplace_back(bottom, c.needed - c.cy);
            } else {
                row->second = std::max(row->second, c.needed - c.cy);
            }
            c.cy = c.needed;
        }
    }
    // Buttons on one row keep their order and a gap between them after any widening.
    std::vector<PlacedControl*> buttons;
    for (PlacedControl& c : controls) {
        if (c.button) {
            buttons.push_back(&c);
        }
    }
    std::sort(buttons.begin(), buttons.end(), [](const PlacedControl* a, const PlacedControl* b) {
        return a->y != b->y ? a->y < b->y : a->x < b->x;
    });
    for (std::size_t i = 1; i < buttons.size(); ++i) {
        const PlacedControl& before = *buttons[i - 1];
        PlacedControl& c = *buttons[i];
        if (c.y == before.y && c.x < before.x + before.cx + gap) {
            c.x = before.x + before.cx + gap;
        }
    }
    int totalExtra = 0;
    for (const auto& g : growths) {
        totalExtra += g.second;
    }
    WindowSize size = base;
    for (PlacedControl& c : controls) {
        int offset = 0;
        for (const auto& g : growths) {
            if (g.first <= c.y + 1) {
                offset += g.second;
            }
        }
        c.y += offset;
        size.cx = std::max(size.cx, c.x + c.cx + (c.button ? gap : 0));
        if (c.shown) {
            size.cy = std::max(size.cy, c.y + c.cy + base.cy / 40);
        }
    }
    size.cy = std::max(size.cy, base.cy + totalExtra);
    AlignLabels(controls);
    return size;
}

}  // namespace framework
