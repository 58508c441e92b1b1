#pragma once
// Controls as plain records, without a toolkit: what a page's handlers set and read, kept in
// memory, with what a user does (type, click, select) as calls. The headless backend is made
// of them, and a backend measures pages on them without making windows.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/DialogTemplate.h"

namespace framework::headless {

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

// Where the keyboard focus is among record windows: one window's controls and one control.
struct RecordFocus {
    const void* controls = nullptr;
    int id = 0;
};

// The controls of one window, as records. `notify` gets what the window's owner would;
// `focus` is shared by the windows of one backend, as a desktop has one focus.
class RecordControls final : public Controls {
  public:
    using Notifier = std::function<void(int id, Notify code)>;

    RecordControls(const DialogTemplate& dialogTemplate, Notifier notify, RecordFocus* focus);

    RecordControl& At(int id) { return controls_.at(id); }
    const RecordControl& At(int id) const { return controls_.at(id); }
    bool Has(int id) const { return controls_.count(id) != 0; }
    // The control of these that has the focus, shown and enabled; 0 for none.
    int FocusedControl() const;

    // What a user does.
    void Type(int id, const std::wstring& text);
    void Click(int id);
    void Select(int id, int index);
    void TypeAddress(int id, std::uint32_t value, int fields = 4);

    std::wstring Text(int id) const override { return At(id).text; }
    void SetText(int id, const std::wstring& text) override;
    bool IsChecked(int id) const override { return At(id).checked; }
    void SetCheck(int id, bool on) override;
    bool IsEnabled(int id) const override { return At(id).enabled; }
    void Enable(int id, bool on) override { At(id).enabled = on; }
    bool IsShown(int id) const override { return At(id).shown; }
    void Show(int id, bool on) override { At(id).shown = on; }
    void Focus(int id) override { *focus_ = {this, id}; }
    void LimitText(int id, int chars) override { At(id).limit = chars; }
    void SetAccessibleName(int id, const std::wstring& name) override {
        At(id).accessibleName = name;
    }
    void ComboAdd(int id, const std::wstring& item) override;
    int ComboSelection(int id) const override { return At(id).selection; }
    std::wstring ComboText(int id, int index) const override { return At(id).items.at(index); }
    int ComboCount(int id) const { return static_cast<int>(At(id).items.size()); }
    int Address(int id, std::uint32_t& value) const override;
    void SetAddress(int id, std::uint32_t value) override;
    void SetBoldTitle(int id) override { At(id).bold = true; }
    // Owned by these controls' window, which the platform sees as these controls.
    int Message(const std::wstring& text, const std::optional<std::wstring>& caption,
                platform::MessageButtons buttons) override;

  private:
    DialogTemplate template_;
    Notifier notify_;
    RecordFocus* focus_;
    std::map<int, RecordControl> controls_;
};

}  // namespace framework::headless
