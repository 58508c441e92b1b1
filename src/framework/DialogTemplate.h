#pragma once
// Dialog templates: a page or dialog is a table of controls placed in dialog units, which
// each backend converts from the dialog font, so that layouts follow font and DPI.

#include <vector>

namespace framework {

enum class ControlKind { Static, Edit, Radio, Push, Combo, Picture, IPAddress };

enum ControlStyle : unsigned {
    kStyleNone = 0,
    kGroup = 1u << 0,       // starts a group (radio group, tab group)
    kDigitsOnly = 1u << 1,  // edit: digits only
    kVCenter = 1u << 2,     // static: one line, vertically centred
    kSorted = 1u << 3,      // combo box: sorted list
    kDefault = 1u << 4,     // push button: the default button
    kNoFocus = 1u << 5,     // takes no keyboard focus
    kScroll = 1u << 6,      // static: text of any length, scrolls instead of growing
    kVerbatim = 1u << 7,    // static: text from the key, shown as it stands, character for
                            // character (its hyphenated words are not kept whole)
};

struct ControlSpec {
    int id;
    ControlKind kind;
    int x, y, cx, cy;  // dialog units
    unsigned style = kStyleNone;
    const char* resource = nullptr;  // picture: the image's name, e.g. "front_storage"
    int groupWith = 0;               // radio: joins the group of this radio
};

// Template rows, one helper a kind.
inline ControlSpec Static(int id, int x, int y, int cx, int cy, unsigned style = kStyleNone) {
    return {id, ControlKind::Static, x, y, cx, cy, style};
}
inline ControlSpec Edit(int id, int x, int y, int cx, int cy, unsigned style = kStyleNone) {
    return {id, ControlKind::Edit, x, y, cx, cy, style};
}
inline ControlSpec Radio(int id, int x, int y, int cx, int cy, unsigned style = kStyleNone,
                         int groupWith = 0) {
    return {id, ControlKind::Radio, x, y, cx, cy, style, nullptr, groupWith};
}
inline ControlSpec Push(int id, int x, int y, int cx, int cy, unsigned style = kStyleNone) {
    return {id, ControlKind::Push, x, y, cx, cy, style};
}
inline ControlSpec Combo(int id, int x, int y, int cx, int cy, unsigned style = kStyleNone) {
    return {id, ControlKind::Combo, x, y, cx, cy, style};
}
inline ControlSpec Picture(int id, int x, int y, int cx, int cy, const char* image) {
    return {id, ControlKind::Picture, x, y, cx, cy, kStyleNone, image};
}
inline ControlSpec IPAddressControl(int id, int x, int y, int cx, int cy) {
    return {id, ControlKind::IPAddress, x, y, cx, cy};
}

struct DialogTemplate {
    int cx, cy;  // dialog units
    std::vector<ControlSpec> controls;

    const ControlSpec* Find(int id) const;
    // The radio buttons in the group of `id`, in template order (empty for no radio).
    std::vector<int> RadioGroup(int id) const;
};

}  // namespace framework
