#pragma once
// Where a template's controls go once their texts are known, on any backend: a text that
// needs more height than its control grows the control's row and moves everything below it
// down; buttons widened for their captions keep their order and a gap on their row; a label
// stands level with the field it names on its row, on one line, and where its text needs more
// room than its column gives, the field column moves right: a label never touches its field.

#include <string>
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

// What the arrangement asks of a backend: the template's places in its pixels, and its texts
// measured in each control's font (`index`: the control's place in the template).
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    virtual PlacedControl Place(const ControlSpec& row) const = 0;
    virtual WindowSize Size(const DialogTemplate& dialogTemplate) const = 0;
    // The space kept between buttons on a row, and between a label and its field.
    virtual int Gap() const = 0;
    // A text on one line; `mnemonic`: its access key drawn underlined, not as '&'.
    virtual WindowSize OneLine(std::size_t index, const std::wstring& text,
                               bool mnemonic) const = 0;
    // The height of a text broken into lines no wider than `width`.
    virtual int Wrapped(std::size_t index, const std::wstring& text, int width) const = 0;
    // The width of a CJK character (asked only for a text that ends in one).
    virtual int CjkCharacter(std::size_t index) const = 0;
    // A radio button's height for its text beside its circle within `width`; `shown` becomes
    // the text as the button is to show it (a backend may break its lines itself).
    virtual int Radio(std::size_t index, std::wstring& shown, int width) const = 0;
    // A push button's width for its caption.
    virtual int PushWidth(std::size_t index, const std::wstring& text) const = 0;
    // A closed combo box's height.
    virtual int ComboHeight(std::size_t index) const = 0;
};

// A control's text and whether it is shown, as the arrangement reads them.
struct ControlText {
    std::wstring text;
    bool shown = true;
};

// Each control's place, the size the window needs (at least the template's), whether a
// static's text wraps, and the text each control is to show.
struct Arrangement {
    std::vector<PlacedControl> placed;
    WindowSize size;
    std::vector<bool> wraps;
    std::vector<std::wstring> shown;
};

// The one arrangement of a template's controls for their texts: a label naming a field is as
// wide as its text, on one line (the field moves); a one-line label too long for its line
// wraps; a wrapping text keeps its hyphenated words whole (text from the key as it stands)
// and no CJK character alone on its last line; radios, buttons and combo boxes take what
// their texts need.
Arrangement ArrangeForTexts(const DialogTemplate& dialogTemplate,
                            const std::vector<ControlText>& texts, const TextMeasure& measure);

}  // namespace framework
