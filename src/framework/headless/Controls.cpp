#include "framework/headless/Controls.h"

#include <algorithm>

#include "framework/Text.h"
#include "platform/Platform.h"

namespace framework::headless {

RecordControls::RecordControls(const DialogTemplate& dialogTemplate, Notifier notify,
                               RecordFocus* focus)
    : template_(dialogTemplate), notify_(std::move(notify)), focus_(focus) {
    for (const ControlSpec& row : template_.controls) {
        RecordControl& control = controls_[row.id];
        control.kind = row.kind;
        control.style = row.style;
    }
}

int RecordControls::FocusedControl() const {
    const int id = focus_->id;
    return focus_->controls == this && Has(id) && At(id).shown && At(id).enabled ? id : 0;
}

void RecordControls::Type(int id, const std::wstring& text) {
    SetText(id, text.substr(0, At(id).limit < 0 ? text.size() : At(id).limit));
}

void RecordControls::Click(int id) {
    RecordControl& control = At(id);
    if (!control.enabled || !control.shown) {
        return;
    }
    if (control.kind == ControlKind::Radio) {
        SetCheck(id, true);
    }
    notify_(id, Notify::Clicked);
}

void RecordControls::Select(int id, int index) {
    At(id).selection = index;
    notify_(id, Notify::SelectionChanged);
}

void RecordControls::TypeAddress(int id, std::uint32_t value, int fields) {
    At(id).address = value;
    At(id).fields = fields;
    notify_(id, Notify::Changed);
}

void RecordControls::SetText(int id, const std::wstring& text) {
    RecordControl& control = At(id);
    if (control.text == text) {
        return;
    }
    control.text = text;
    if (control.kind == ControlKind::Edit) {
        notify_(id, Notify::Changed);  // whoever changed it, as on Windows
    }
}

void RecordControls::SetCheck(int id, bool on) {
    if (on) {
        for (int other : template_.RadioGroup(id)) {
            At(other).checked = false;
        }
    }
    At(id).checked = on;
}

void RecordControls::ComboAdd(int id, const std::wstring& item) {
    auto& items = At(id).items;
    auto at = items.end();
    if (At(id).style & kSorted) {
        at = std::find_if(items.begin(), items.end(),
                          [&](const std::wstring& existing) { return item < existing; });
    }
    items.insert(at, item);
}

int RecordControls::Address(int id, std::uint32_t& value) const {
    value = At(id).address;
    return At(id).fields;
}

void RecordControls::SetAddress(int id, std::uint32_t value) {
    At(id).address = value;
    At(id).fields = 4;
}

int RecordControls::Message(const std::wstring& text, const std::optional<std::wstring>& caption,
                            platform::MessageButtons buttons) {
    return platform::Current().ShowMessage(
        platform::MessageRequest{this, caption.value_or(ApplicationName()), text, buttons});
}

}  // namespace framework::headless
