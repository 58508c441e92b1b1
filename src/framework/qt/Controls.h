#pragma once
// The controls of one Qt page or dialog window, made from a template: placed in dialog
// units converted from the window's font, grown where a translation needs more room, named
// for screen readers, and reporting their notifications to the window's owner. They are the
// Qt backend's implementation of the framework's Controls.

#include <QHash>
#include <QPointer>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

#include "framework/Controls.h"
#include "framework/DialogTemplate.h"

class QButtonGroup;
class QObject;
class QWidget;

namespace framework::qt {

// Every focus move the program makes: the widget (or the field it hands the focus to) gets
// the keyboard focus, and a text box its whole text selected, as Tab would leave it.
void FocusAndSelect(QWidget* widget);

class QtControls final : public Controls {
  public:
    using Notifier = std::function<void(int id, Notify code)>;

    QtControls(QWidget* owner, const DialogTemplate& dialogTemplate, Notifier notify);

    QWidget* Owner() const { return owner_; }
    QWidget* Item(int id) const { return items_.value(id); }
    template <class T>
    T* ItemAs(int id) const {
        return qobject_cast<T*>(Item(id));
    }
    // The radio buttons in the group of `id`, in the template's order.
    std::vector<int> Group(int id) const { return template_.RadioGroup(id); }

    // Places every control; returns the size the controls need, at least the template's.
    // Pictures are drawn unless only the size is wanted.
    QSize Relayout(bool drawPictures = true);
    // The control that holds the keyboard focus, shown and enabled; 0 for none.
    int FocusedId() const;

    std::wstring Text(int id) const override;
    void SetText(int id, const std::wstring& text) override;
    bool IsChecked(int id) const override;
    void SetCheck(int id, bool on) override;
    bool IsEnabled(int id) const override;
    void Enable(int id, bool on) override;
    bool IsShown(int id) const override;
    void Show(int id, bool on) override;
    void Focus(int id) override;
    void LimitText(int id, int chars) override;
    void SetAccessibleName(int id, const std::wstring& name) override;
    void ComboAdd(int id, const std::wstring& item) override;
    int ComboSelection(int id) const override;
    std::wstring ComboText(int id, int index) const override;
    int Address(int id, std::uint32_t& value) const override;
    void SetAddress(int id, std::uint32_t value) override;
    void SetBoldTitle(int id) override;
    int Message(const std::wstring& text, const std::optional<std::wstring>& caption,
                platform::MessageButtons buttons) override;

  private:
    void Create();
    // Each label that names a field has that field as its buddy: the one after it in the
    // template, the first shown (its access key and screen readers go there).
    void SetBuddiesFromTemplate();
    // A group of option buttons is one Tab stop, as in a Windows dialog: its checked button,
    // or its first shown and enabled one while none is checked.
    void MarkTabStops();

    QWidget* owner_;
    DialogTemplate template_;
    Notifier notify_;
    QHash<int, QWidget*> items_;
    QHash<int, QButtonGroup*> radioGroups_;
    QObject* radioArrows_ = nullptr;
};

}  // namespace framework::qt
