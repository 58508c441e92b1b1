#pragma once
// The controls of one Qt page or dialog window, made from a template: placed in dialog
// units converted from the window's font, grown where a translation needs more room, named
// for screen readers, and reporting their notifications to the window's owner.

#include <QHash>
#include <QPointer>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

#include "framework/Backend.h"
#include "framework/DialogTemplate.h"

class QButtonGroup;
class QObject;
class QWidget;

namespace framework::qt {

// Pixels for dialog units in a widget's font.
QSize DialogUnitsToPixels(const QWidget* widget, int cx, int cy);

// Every focus move the program makes: the widget (or the field it hands the focus to) gets
// the keyboard focus, and a text box its whole text selected, as Tab would leave it.
void FocusAndSelect(QWidget* widget);

class ControlHost {
  public:
    using Notifier = std::function<void(int id, Notify code)>;

    ControlHost(QWidget* owner, const DialogTemplate& dialogTemplate, Notifier notify);

    QWidget* Owner() const { return owner_; }
    QWidget* Item(int id) const { return items_.value(id); }
    template <class T>
    T* ItemAs(int id) const {
        return qobject_cast<T*>(Item(id));
    }
    const std::vector<int>& Ids() const { return ids_; }
    // The radio buttons in the group of `id`, in the template's order.
    std::vector<int> Group(int id) const { return template_.RadioGroup(id); }

    // Places every control; returns the size the controls need, at least the template's.
    // Pictures are drawn unless only the size is wanted.
    QSize Relayout(bool drawPictures = true);
    QSize BaseSize() const;

    // The Controls operations, for the windows that own the host.
    std::wstring Text(int id) const;
    void SetText(int id, const std::wstring& text);
    bool IsChecked(int id) const;
    void SetCheck(int id, bool on);
    bool IsEnabled(int id) const;
    void Enable(int id, bool on);
    bool IsShown(int id) const;
    void Show(int id, bool on);
    void Focus(int id);
    // The control that holds the keyboard focus, shown and enabled; 0 for none.
    int FocusedId() const;
    void LimitText(int id, int chars);
    void SetAccessibleName(int id, const std::wstring& name);
    void ComboAdd(int id, const std::wstring& item);
    int ComboSelection(int id) const;
    void SetComboSelection(int id, int index);
    std::wstring ComboText(int id, int index) const;
    int Address(int id, std::uint32_t& value) const;
    void SetAddress(int id, std::uint32_t value);
    void ClearAddress(int id);
    void FocusAddressField(int id, int field);
    void SetBoldTitle(int id);
    int Message(const std::wstring& text, const std::optional<std::wstring>& caption,
                platform::MessageButtons buttons);

  private:
    void Create();
    // Each label names the visible control to its right on its row, for screen readers.
    void AssignBuddies();

    QWidget* owner_;
    DialogTemplate template_;
    Notifier notify_;
    QHash<int, QWidget*> items_;
    std::vector<int> ids_;
    QHash<int, QButtonGroup*> radioGroups_;
    QObject* radioArrows_ = nullptr;
};

// The Controls interface on a host, for the page and dialog windows.
template <class Interface>
class HostedControls : public Interface {
  public:
    std::wstring Text(int id) const override { return host().Text(id); }
    void SetText(int id, const std::wstring& text) override { host().SetText(id, text); }
    bool IsChecked(int id) const override { return host().IsChecked(id); }
    void SetCheck(int id, bool on) override { host().SetCheck(id, on); }
    bool IsEnabled(int id) const override { return host().IsEnabled(id); }
    void Enable(int id, bool on) override { host().Enable(id, on); }
    bool IsShown(int id) const override { return host().IsShown(id); }
    void Show(int id, bool on) override { host().Show(id, on); }
    void Focus(int id) override { host().Focus(id); }
    void LimitText(int id, int chars) override { host().LimitText(id, chars); }
    void SetAccessibleName(int id, const std::wstring& name) override {
        host().SetAccessibleName(id, name);
    }
    void ComboAdd(int id, const std::wstring& item) override { host().ComboAdd(id, item); }
    int ComboSelection(int id) const override { return host().ComboSelection(id); }
    void SetComboSelection(int id, int index) override { host().SetComboSelection(id, index); }
    std::wstring ComboText(int id, int index) const override { return host().ComboText(id, index); }
    int Address(int id, std::uint32_t& value) const override { return host().Address(id, value); }
    void SetAddress(int id, std::uint32_t value) override { host().SetAddress(id, value); }
    void ClearAddress(int id) override { host().ClearAddress(id); }
    void FocusAddressField(int id, int field) override { host().FocusAddressField(id, field); }
    void SetBoldTitle(int id) override { host().SetBoldTitle(id); }
    int Message(const std::wstring& text, const std::optional<std::wstring>& caption,
                platform::MessageButtons buttons) override {
        return host().Message(text, caption, buttons);
    }

    virtual ControlHost& host() const = 0;
};

}  // namespace framework::qt
