#pragma once
// A backend without a toolkit, for the page-logic tests: controls are plain records, the
// user's actions are calls (type, click, select), posted work runs when the test flushes.
// Message boxes go through the platform, which the tests' fake answers.

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/Backend.h"
#include "framework/Dialog.h"
#include "framework/DialogTemplate.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "framework/Text.h"

namespace testing_support {

struct HeadlessControl {
    framework::ControlKind kind = framework::ControlKind::Static;
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

// The controls of one window, as records. `notify` gets what the window's owner would.
class HeadlessControls {
  public:
    using Notifier = std::function<void(int id, framework::Notify code)>;

    HeadlessControls(const framework::DialogTemplate& dialogTemplate, Notifier notify, int* focus)
        : template_(dialogTemplate), notify_(std::move(notify)), focus_(focus) {
        for (const framework::ControlSpec& row : template_.controls) {
            HeadlessControl& control = controls_[row.id];
            control.kind = row.kind;
            control.style = row.style;
        }
    }

    HeadlessControl& At(int id) { return controls_.at(id); }
    const HeadlessControl& At(int id) const { return controls_.at(id); }
    bool Has(int id) const { return controls_.count(id) != 0; }

    // What a user does.
    void Type(int id, const std::wstring& text) {
        SetText(id, text.substr(0, At(id).limit < 0 ? text.size() : At(id).limit));
    }
    void Click(int id) {
        HeadlessControl& control = At(id);
        if (!control.enabled || !control.shown) {
            return;
        }
        if (control.kind == framework::ControlKind::Radio) {
            SetCheck(id, true);
        }
        notify_(id, framework::Notify::Clicked);
    }
    void Select(int id, int index) {
        At(id).selection = index;
        notify_(id, framework::Notify::SelectionChanged);
    }
    void TypeAddress(int id, std::uint32_t value, int fields = 4) {
        At(id).address = value;
        At(id).fields = fields;
        notify_(id, framework::Notify::Changed);
    }

    std::wstring Text(int id) const { return At(id).text; }
    void SetText(int id, const std::wstring& text) {
        HeadlessControl& control = At(id);
        if (control.text == text) {
            return;
        }
        control.text = text;
        if (control.kind == framework::ControlKind::Edit) {
            notify_(id, framework::Notify::Changed);  // whoever changed it, as on Windows
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
    void Focus(int id, bool) { *focus_ = id; }
    void LimitText(int id, int chars) { At(id).limit = chars; }
    void SetAccessibleName(int id, const std::wstring& name) { At(id).accessibleName = name; }
    void ComboAdd(int id, const std::wstring& item) {
        auto& items = At(id).items;
        auto at = items.end();
        if (At(id).style & framework::kSorted) {
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
    void FocusAddressField(int id, int) { *focus_ = id; }
    void SetBoldTitle(int id) { At(id).bold = true; }
    int Message(const void* owner, const std::wstring& text,
                const std::optional<std::wstring>& caption, platform::MessageButtons buttons) {
        return platform::Current().ShowMessage(platform::MessageRequest{
            owner, caption.value_or(framework::ApplicationName()), text, buttons});
    }

  private:
    framework::DialogTemplate template_;
    Notifier notify_;
    int* focus_;
    std::map<int, HeadlessControl> controls_;
};

// The Controls interface on records.
template <class Interface>
class HeadlessWindow : public Interface {
  public:
    HeadlessWindow(const framework::DialogTemplate& dialogTemplate,
                   HeadlessControls::Notifier notify, int* focus)
        : records(dialogTemplate, std::move(notify), focus) {}

    std::wstring Text(int id) const override { return records.Text(id); }
    void SetText(int id, const std::wstring& text) override { records.SetText(id, text); }
    bool IsChecked(int id) const override { return records.IsChecked(id); }
    void SetCheck(int id, bool on) override { records.SetCheck(id, on); }
    bool IsEnabled(int id) const override { return records.IsEnabled(id); }
    void Enable(int id, bool on) override { records.Enable(id, on); }
    bool IsShown(int id) const override { return records.IsShown(id); }
    void Show(int id, bool on) override { records.Show(id, on); }
    void Focus(int id, bool select) override { records.Focus(id, select); }
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

    HeadlessControls records;
};

class HeadlessPage final : public HeadlessWindow<framework::PageWindow> {
  public:
    HeadlessPage(framework::CPropertyPageEx& page, int* focus)
        : HeadlessWindow(
              page.Template(),
              [&page](int id, framework::Notify code) { page.OnCommand(id, code); }, focus),
          template_(page.Template()) {}
    framework::WindowSize Relayout(bool) override { return {template_.cx, template_.cy}; }

  private:
    framework::DialogTemplate template_;
};

class HeadlessDialog final : public HeadlessWindow<framework::DialogWindow> {
  public:
    HeadlessDialog(framework::CDialog& dialog, int* focus)
        : HeadlessWindow(
              dialog.Template(),
              [&dialog](int id, framework::Notify code) {
                  if (code == framework::Notify::Clicked) {
                      dialog.ButtonClicked(id);
                  }
              },
              focus) {}

    void SetCaption(const std::wstring&) override {}
    void Describe(const std::wstring&) override {}
    // The tests act on a dialog without running its modal loop; one that is run ends at once.
    int RunModal() override { return ended_ ? result_ : framework::IDCANCEL; }
    void End(int result) override {
        ended_ = true;
        result_ = result;
    }
    void Relayout() override {}

  private:
    bool ended_ = false;
    int result_ = 0;
};

class HeadlessSheet final : public framework::SheetWindow {
  public:
    HeadlessSheet(framework::CPropertySheetEx& sheet, int* focus) : sheet_(sheet), focus_(focus) {}

    std::unique_ptr<framework::PageWindow> CreatePage(framework::CPropertyPageEx& page) override {
        return std::make_unique<HeadlessPage>(page, focus_);
    }
    void ShowPage(int index, const std::wstring& pageCaption) override {
        shown = index;
        caption = pageCaption;
    }
    void PageActivated(int) override {}
    void SetPageSize(framework::WindowSize size) override { pageSize = size; }
    void ApplyButtons(int flags) override { buttons = flags; }
    void Post(std::function<void()> task) override { posted_.push_back(std::move(task)); }
    // The modal loop: posted work, then the test drives the sheet itself.
    int RunModal() override {
        Flush();
        return result;
    }
    void End(int code) override { result = code; }

    // Runs the work posted so far, as the event loop would once a handler has returned.
    void Flush() {
        while (!posted_.empty()) {
            auto task = std::move(posted_.front());
            posted_.pop_front();
            task();
        }
    }

    int shown = -1;
    std::wstring caption;
    int buttons = 0;
    int result = 0;
    framework::WindowSize pageSize;

  private:
    framework::CPropertySheetEx& sheet_;
    int* focus_;
    std::deque<std::function<void()>> posted_;
};

class HeadlessBackend final : public framework::Backend {
  public:
    HeadlessBackend() { framework::InstallBackend(this); }
    ~HeadlessBackend() override { framework::InstallBackend(nullptr); }
    HeadlessBackend(const HeadlessBackend&) = delete;
    HeadlessBackend& operator=(const HeadlessBackend&) = delete;

    std::unique_ptr<framework::SheetWindow> CreateSheet(
        framework::CPropertySheetEx& sheet) override {
        return std::make_unique<HeadlessSheet>(sheet, &focus);
    }
    std::unique_ptr<framework::PageWindow> CreateLonePage(
        framework::CPropertyPageEx& page) override {
        return std::make_unique<HeadlessPage>(page, &focus);
    }
    std::unique_ptr<framework::DialogWindow> CreateDialogWindow(
        framework::CDialog& dialog) override {
        return std::make_unique<HeadlessDialog>(dialog, &focus);
    }

    // The control that has the keyboard focus (0: none yet).
    int focus = 0;
};

// The records behind a page or a dialog, and the sheet's window.
inline HeadlessControls& Records(framework::CPropertyPageEx& page) {
    return static_cast<HeadlessPage*>(page.Window())->records;
}
inline HeadlessControls& Records(framework::CDialog& dialog) {
    return static_cast<HeadlessDialog*>(dialog.Window())->records;
}
inline HeadlessSheet& SheetWindowOf(framework::CPropertySheetEx& sheet) {
    return static_cast<HeadlessSheet&>(sheet.Window());
}

}  // namespace testing_support
