#pragma once
// Data exchange between controls and members: integers, texts and radio groups. A failed
// integer read tells the user, puts the focus on the control and refuses the exchange.

#include <string>

#include "framework/Controls.h"
#include "framework/DialogTemplate.h"

namespace framework {

class DataExchange {
  public:
    struct Failure {};

    DataExchange(Controls& controls, const DialogTemplate& dialogTemplate, bool save)
        : m_bSaveAndValidate(save), controls_(controls), template_(dialogTemplate) {}

    const bool m_bSaveAndValidate;

    void Int(int id, int& value);
    void Text(int id, std::wstring& value);
    // The position of the checked button in the radio group that holds `firstId`; -1: none.
    void Radio(int firstId, int& value);

  private:
    [[noreturn]] void Fail(int id);

    Controls& controls_;
    const DialogTemplate& template_;
};

// Runs one exchange (a window's DoDataExchange) in one direction; false when a read failed,
// which the user has been told.
template <class Exchange>
bool RunDataExchange(Controls& controls, const DialogTemplate& dialogTemplate, bool save,
                     Exchange&& exchange) {
    try {
        DataExchange dx(controls, dialogTemplate, save);
        exchange(dx);
        return true;
    } catch (const DataExchange::Failure&) {
        return false;
    }
}

}  // namespace framework
