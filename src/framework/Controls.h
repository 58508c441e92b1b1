#pragma once
// The controls of one page or dialog window, reached by id, and the notifications they
// send, the way a dialog's message map delivers them. Each toolkit's backend implements it;
// pages and dialogs see nothing else of a toolkit. Text is wide text, as in the core.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace framework {

enum class Notify { Clicked, Changed, SelectionChanged };

class Controls {
  public:
    virtual ~Controls() = default;

    virtual std::wstring Text(int id) const = 0;
    virtual void SetText(int id, const std::wstring& text) = 0;
    virtual bool IsChecked(int id) const = 0;
    virtual void SetCheck(int id, bool on) = 0;
    virtual bool IsEnabled(int id) const = 0;
    virtual void Enable(int id, bool on) = 0;
    virtual bool IsShown(int id) const = 0;
    virtual void Show(int id, bool on) = 0;
    // Gives the control the keyboard focus. Every move of the focus the program makes goes
    // here, and an edit box (or the first field of an IP address control) gets its whole
    // text selected, as Tab selects it: what the user types next replaces it.
    virtual void Focus(int id) = 0;
    virtual void LimitText(int id, int chars) = 0;
    // What a screen reader calls the control, where its label alone does not say it.
    virtual void SetAccessibleName(int id, const std::wstring& name) = 0;

    virtual void ComboAdd(int id, const std::wstring& item) = 0;  // sorted if the box is
    virtual int ComboSelection(int id) const = 0;                 // -1: none
    virtual std::wstring ComboText(int id, int index) const = 0;

    // IP address control: the 32-bit value (first octet most significant, blank fields 0)
    // and the number of fields filled in, 0 to 4.
    virtual int Address(int id, std::uint32_t& value) const = 0;
    virtual void SetAddress(int id, std::uint32_t value) = 0;

    // A bold copy of the control's own font (a page's title).
    virtual void SetBoldTitle(int id) = 0;

    // A message box owned by this window; nullopt caption: the application's name.
    virtual int Message(const std::wstring& text, const std::optional<std::wstring>& caption,
                        platform::MessageButtons buttons = platform::MessageButtons::Ok) = 0;
};

}  // namespace framework
