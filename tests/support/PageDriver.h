#pragma once
// What a user does to the wizard's windows, on one backend. The page-logic tests are written
// once against it and run on every backend: a case that passes on one and fails on another
// names a backend bug. What the test reads goes through the framework's own Controls.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/Dialog.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"

namespace tests {

// A button of the sheet's button bar.
enum class SheetButton { None, Back, Next, Finish, Cancel };

class PageDriver {
  public:
    virtual ~PageDriver() = default;

    // Shows the sheet's window (where the backend has one) and lets posted work run.
    virtual void Show(framework::CPropertySheetEx& sheet) = 0;
    // Lets the work posted by the handlers run, as the event loop does.
    virtual void Settle(framework::CPropertySheetEx& sheet) = 0;
    // Clicks a button of the sheet's button bar, as a user does: only one shown and enabled.
    virtual void Press(framework::CPropertySheetEx& sheet, SheetButton button) = 0;
    // Ends the sheet's run where the backend keeps one going (Windows' own modal loop), as
    // the program does when it closes; before the sheet goes.
    virtual void Close(framework::CPropertySheetEx&) {}

    virtual void Type(framework::CPropertyPageEx& page, int id, const std::wstring& text) = 0;
    virtual void Click(framework::CPropertyPageEx& page, int id) = 0;
    virtual void Select(framework::CPropertyPageEx& page, int id, int index) = 0;
    // Types an address into an IP address control, field by field: "192.168.1.10"; a field
    // left out ("192.168..10", "192.168.1", "") stays blank.
    virtual void TypeAddress(framework::CPropertyPageEx& page, int id,
                             const std::wstring& dotted) = 0;
    void TypeAddress(framework::CPropertyPageEx& page, int id, std::uint32_t value) {
        TypeAddress(page, id,
                    std::to_wstring(value >> 24) + L'.' + std::to_wstring(value >> 16 & 0xff) +
                        L'.' + std::to_wstring(value >> 8 & 0xff) + L'.' +
                        std::to_wstring(value & 0xff));
    }
    virtual void Click(framework::CDialog& dialog, int id) = 0;
    // Escape (or the close box): the dialog's Cancel.
    virtual void Escape(framework::CDialog& dialog) = 0;
    // Shows a dialog made with Create, outside its modal loop (for a picture of it).
    virtual void Show(framework::CDialog& dialog) = 0;
    // Runs a dialog as the program does, until it waits for the user: modally where Windows
    // runs the loop, else made with Create and shown. Close ends it (Cancel) if it still runs.
    virtual void Open(framework::CDialog& dialog) {
        dialog.Create();
        Show(dialog);
    }
    virtual void Close(framework::CDialog&) {}
    // Runs `body`; a dialog it runs modally is handed to `act`, which ends it (a click, Escape).
    virtual void WhileModal(const std::function<void(framework::CDialog&)>& act,
                            const std::function<void()>& body) = 0;

    // The control of the page that has the keyboard focus; 0 for none.
    virtual int Focused(const framework::CPropertyPageEx& page) = 0;
    // The sheet's button that has the keyboard focus, if one has.
    virtual SheetButton FocusedButton(framework::CPropertySheetEx& sheet) = 0;
    // The caption the sheet's window shows.
    virtual std::wstring Caption(framework::CPropertySheetEx& sheet) = 0;
    // What owns the messages a page or a dialog shows.
    virtual const void* Owner(const framework::CPropertyPageEx& page) = 0;
    virtual const void* Owner(const framework::CDialog& dialog) = 0;
};

// The driver of the backend a test program is built with; it installs that backend.
std::unique_ptr<PageDriver> MakePageDriver();

// The four fields of a dotted address as typed: blank ones empty (at most four).
std::vector<std::wstring> AddressFields(const std::wstring& dotted);

}  // namespace tests
