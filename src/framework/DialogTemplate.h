#pragma once
// Dialog templates: a page or dialog is a table of controls placed in dialog units, which
// are converted to pixels from the dialog font so that layouts follow font and DPI. Texts
// that do not fit their control wrap, and the controls below move down to make room.

#include <QHash>
#include <QSize>
#include <QString>
#include <vector>

class QButtonGroup;
class QWidget;

namespace framework {

enum class ControlKind { Static, Edit, Radio, Push, Combo, Picture, Custom };

enum ControlStyle : unsigned {
    kStyleNone = 0,
    kGroup = 1u << 0,       // starts a group (radio group, tab group)
    kDigitsOnly = 1u << 1,  // edit: digits only
    kVCenter = 1u << 2,     // static: one line, vertically centred
    kSorted = 1u << 3,      // combo box: sorted list
    kDefault = 1u << 4,     // push button: the default button
    kNoFocus = 1u << 5,     // takes no keyboard focus
    kScroll = 1u << 6,      // static: text of any length, scrolls instead of growing
};

struct ControlSpec {
    int id;
    ControlKind kind;
    int x, y, cx, cy;  // dialog units
    unsigned style = kStyleNone;
    const char* resource = nullptr;           // picture: the SVG resource
    QWidget* (*factory)(QWidget*) = nullptr;  // custom: creates the control
    int groupWith = 0;                        // radio: joins the group of this radio
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
    return {id, ControlKind::Radio, x, y, cx, cy, style, nullptr, nullptr, groupWith};
}
inline ControlSpec Push(int id, int x, int y, int cx, int cy, unsigned style = kStyleNone) {
    return {id, ControlKind::Push, x, y, cx, cy, style};
}
inline ControlSpec Combo(int id, int x, int y, int cx, int cy, unsigned style = kStyleNone) {
    return {id, ControlKind::Combo, x, y, cx, cy, style};
}
inline ControlSpec Picture(int id, int x, int y, int cx, int cy, const char* resource) {
    return {id, ControlKind::Picture, x, y, cx, cy, kStyleNone, resource};
}
inline ControlSpec Custom(int id, int x, int y, int cx, int cy, QWidget* (*factory)(QWidget*)) {
    return {id, ControlKind::Custom, x, y, cx, cy, kStyleNone, nullptr, factory};
}

struct DialogTemplate {
    int cx, cy;  // dialog units
    std::vector<ControlSpec> controls;
};

// Pixels for dialog units in a font.
QSize DialogUnitsToPixels(const QWidget* widget, int cx, int cy);

// The controls of one page or dialog, by id.
class ControlHost {
  public:
    explicit ControlHost(QWidget* owner) : owner_(owner) {}

    void Create(const DialogTemplate& dialogTemplate);
    bool IsCreated() const { return created_; }

    QWidget* Item(int id) const { return items_.value(id); }
    template <class T>
    T* ItemAs(int id) const {
        return qobject_cast<T*>(Item(id));
    }

    void SetText(int id, const QString& text);
    QString Text(int id) const;

    // The radio button group that holds `id`, or nullptr.
    QButtonGroup* RadioGroup(int id) const;

    // Places every control; returns the size the controls need, at least the template's.
    // Pictures are drawn unless only the size is wanted.
    QSize Relayout(bool drawPictures = true);

    // The template's own size in pixels.
    QSize BaseSize() const;

    const std::vector<int>& Ids() const { return ids_; }

  private:
    QWidget* owner_;
    DialogTemplate template_{0, 0, {}};
    QHash<int, QWidget*> items_;
    std::vector<int> ids_;
    QHash<int, QButtonGroup*> radioGroups_;
    bool created_ = false;
};

// Gives a title control a bold copy of its own font; every other attribute stays.
void MakeTitleBold(QWidget* title);

}  // namespace framework
