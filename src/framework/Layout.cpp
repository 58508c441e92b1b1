#include "framework/Layout.h"

#include <algorithm>

#include "framework/Text.h"

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

Arrangement ArrangeForTexts(const DialogTemplate& dialogTemplate,
                            const std::vector<ControlText>& texts, const TextMeasure& measure) {
    Arrangement out;
    for (std::size_t i = 0; i < dialogTemplate.controls.size(); ++i) {
        const ControlSpec& row = dialogTemplate.controls[i];
        const std::wstring& text = texts[i].text;
        PlacedControl c = measure.Place(row);
        c.needed = c.cy;
        c.button = row.kind == ControlKind::Push;
        c.shown = texts[i].shown;
        bool wraps = false;
        std::wstring shown = text;
        if (row.kind == ControlKind::Static && !(row.style & kScroll) && !text.empty()) {
            // A label naming a field, and a one-line label, stay on one line where they fit.
            c.labelsField = LabelsAField(dialogTemplate, i);
            wraps = !c.labelsField && !(row.style & kVCenter);
            if (!wraps) {
                const WindowSize line = measure.OneLine(i, text, c.labelsField);
                if (c.labelsField) {
                    c.cx = std::max(c.cx, line.cx + 1);
                } else {
                    wraps = line.cx > c.cx || text.find(L'\n') != std::wstring::npos;
                }
                c.textHeight = line.cy;
            }
            if (wraps) {
                if (!(row.style & kVerbatim)) {
                    shown = KeptWhole(text);
                }
                const auto height = [&measure, i](const std::wstring& t, int width) {
                    return measure.Wrapped(i, t, width);
                };
                c.cx = WidthWithoutLoneCharacter(
                    shown, c.cx, [&measure, i] { return measure.CjkCharacter(i); }, height);
                c.textHeight = height(shown, c.cx);
                // Any translation fits in a few times the template's height; only text read
                // from a key can need more, and it must not stretch the window off the screen.
                c.needed = std::min(c.textHeight, c.cy * 8);
            }
        } else if (row.kind == ControlKind::Radio) {
            c.needed = measure.Radio(i, shown, c.cx);
        } else if (row.kind == ControlKind::Push) {
            // A caption longer than its button widens it; the row makes room below.
            c.cx = std::max(c.cx, measure.PushWidth(i, text));
        } else if (row.kind == ControlKind::Combo) {
            // The template's height is the list's; closed, the box is a line and its edges.
            c.cy = c.needed = c.fieldHeight = measure.ComboHeight(i);
        } else if (row.kind == ControlKind::Edit || row.kind == ControlKind::IPAddress) {
            c.fieldHeight = c.cy;
        }
        out.placed.push_back(c);
        out.wraps.push_back(wraps);
        out.shown.push_back(shown);
    }
    out.size = ArrangeControls(out.placed, measure.Size(dialogTemplate), measure.Gap());
    return out;
}

}  // namespace framework
