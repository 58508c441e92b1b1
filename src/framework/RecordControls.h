#pragma once
// Controls as plain records, without a toolkit: what a page's handlers set and read, kept in
// memory. A backend measures pages on them without making windows (Win32), and the tests'
// headless backend is made of them, with what a user does (type, click, select) as calls.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/DialogTemplate.h"
#include "framework/Text.h"
#include "platform/Platform.h"

namespace framework {

struct RecordControl {
    ControlKind kind = ControlKind::Static;
    unsigned style = 0;
    std::wstring text;
    bool checked = false;
    bool enabled = true;
    bool shown = true;
    int limit = -1;  // -1: none
    bool bold = false;
    std::wstring accessibleName;
    std::vector<std::wstring> items;
    int selection = -1;
    std::uint32_t address = 0;
    int fields = 0;  // IP address control: fields filled in
};

// Where the keyboard focus is among record windows: a window and one of its controls.
struct RecordFocus {
    const void* window = nullptr;
    int id = 0;
};

// The controls of one window, as records. `notify` gets what the window's owner would;
// `focus` is shared by the windows of one backend, as a desktop has one focus.
class RecordControls {
  public:
    using Notifier = std::function<void(int id, Notify code)>;

    RecordControls(const DialogTemplate& dialogTemplate, Notifier notify, RecordFocus* focus,
                   const void* window)
        : template_(dialogTemplate), notify_(std::move(notify)), focus_(focus), window_(window) {
        for (const ControlSpec& row : template_.controls) {
            RecordControl& control = controls_[row.id];
            control.kind = row.kind;
            control.style = row.style;
        }
    }

    RecordControl& At(int id) { return controls_.at(id); }
    const RecordControl& At(int id) const { return controls_.at(id); }
    bool Has(int id) const { return controls_.count(id) != 0; }

    // What a user does.
    void Type(int id, const std::wstring& text) {
        SetText(id, text.substr(0, At(id).limit < 0 ? text.size() : At(id).limit));
    }
    void Click(int id) {
        RecordControl& control = At(id);
        if (!control.enabled || !control.shown) {
            return;
        }
        if (control.kind == ControlKind::Radio) {
            SetCheck(id, true);
        }
        notify_(id, Notify::Clicked);
    }
    void Select(int id, int index) {
        At(id).selection = index;
        notify_(id, Notify::SelectionChanged);
    }
    void TypeAddress(int id, std::uint32_t value, int fields = 4) {
        At(id).address = value;
        At(id).fields = fields;
        notify_(id, Notify::Changed);
    }

    std::wstring Text(int id) const { return At(id).text; }
    void SetText(int id, const std::wstring& text) {
        RecordControl& control = At(id);
        if (control.text == text) {
            return;
        }
        control.text = text;
        if (control.kind == ControlKind::Edit) {
            notify_(id, Notify::Changed);  // whoever changed it, as on Windows
        }
    }
    bool IsChecked(int id) const { return At(id).checked; }
    void SetCheck(int id, bool on) {
        if (on) {
            for (int other : template_.RadioGroup(id)) {
                At(other).checked = false;
            }
        }
        At(id).checked = on;
    }
    bool IsEnabled(int id) const { return At(id).enabled; }
    void Enable(int id, bool on) { At(id).enabled = on; }
    bool IsShown(int id) const { return At(id).shown; }
    void Show(int id, bool on) { At(id).shown = on; }
    void Focus(int id) { *focus_ = {window_, id}; }
    int FocusedControl() const {
        return focus_->window == window_ && Has(focus_->id) && At(focus_->id).shown &&
                       At(focus_->id).enabled
                   ? focus_->id
                   : 0;
    }
    void LimitText(int id, int chars) { At(id).limit = chars; }
    void SetAccessibleName(int id, const std::wstring& name) { At(id).accessibleName = name; }
    void ComboAdd(int id, const std::wstring& item) {
        auto& items = At(id).items;
        auto at = items.end();
        if (At(id).style & kSorted) {
            at = std::find_if(items.begin(), items.end(),
                              [&](const std::wstring& existing) { return item < existing; });
        }
        items.insert(at, item);
    }
    int ComboSelection(int id) const { return At(id).selection; }
    void SetComboSelection(int id, int index) { At(id).selection = index; }
    std::wstring ComboText(int id, int index) const { return At(id).items.at(index); }
    int Address(int id, std::uint32_t& value) const {
        value = At(id).address;
        return At(id).fields;
    }
    void SetAddress(int id, std::uint32_t value) {
        At(id).address = value;
        At(id).fields = 4;
    }
    void ClearAddress(int id) {
        At(id).address = 0;
        At(id).fields = 0;
    }
    void FocusAddressField(int id, int) { Focus(id); }
    void SetBoldTitle(int id) { At(id).bold = true; }
    int Message(const void* owner, const std::wstring& text,
                const std::optional<std::wstring>& caption, platform::MessageButtons buttons) {
        return platform::Current().ShowMessage(
            platform::MessageRequest{owner, caption.value_or(ApplicationName()), text, buttons});
    }

  private:
    DialogTemplate template_;
    Notifier notify_;
    RecordFocus* focus_;
    const void* window_;
    std::map<int, RecordControl> controls_;
};

// The Controls interface on records.
template <class Interface>
class RecordWindow : public Interface {
  public:
    RecordWindow(const DialogTemplate& dialogTemplate, RecordControls::Notifier notify,
                 RecordFocus* focus)
        : records(dialogTemplate, std::move(notify), focus, this) {}

    std::wstring Text(int id) const override { return records.Text(id); }
    void SetText(int id, const std::wstring& text) override { records.SetText(id, text); }
    bool IsChecked(int id) const override { return records.IsChecked(id); }
    void SetCheck(int id, bool on) override { records.SetCheck(id, on); }
    bool IsEnabled(int id) const override { return records.IsEnabled(id); }
    void Enable(int id, bool on) override { records.Enable(id, on); }
    bool IsShown(int id) const override { return records.IsShown(id); }
    void Show(int id, bool on) override { records.Show(id, on); }
    void Focus(int id) override { records.Focus(id); }
    void LimitText(int id, int chars) override { records.LimitText(id, chars); }
    void SetAccessibleName(int id, const std::wstring& name) override {
        records.SetAccessibleName(id, name);
    }
    void ComboAdd(int id, const std::wstring& item) override { records.ComboAdd(id, item); }
    int ComboSelection(int id) const override { return records.ComboSelection(id); }
    void SetComboSelection(int id, int index) override { records.SetComboSelection(id, index); }
    std::wstring ComboText(int id, int index) const override {
        return records.ComboText(id, index);
    }
    int Address(int id, std::uint32_t& value) const override { return records.Address(id, value); }
    void SetAddress(int id, std::uint32_t value) override { records.SetAddress(id, value); }
    void ClearAddress(int id) override { records.ClearAddress(id); }
    void FocusAddressField(int id, int field) override { records.FocusAddressField(id, field); }
    void SetBoldTitle(int id) override { records.SetBoldTitle(id); }
    int Message(const std::wstring& text, const std::optional<std::wstring>& caption,
                platform::MessageButtons buttons) override {
        return records.Message(this, text, caption, buttons);
    }

    RecordControls records;
};

}  // namespace framework
