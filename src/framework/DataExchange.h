#pragma once
// Data exchange between controls and members: integers, texts and radio groups. A failed
// integer read tells the user, puts the focus on the control and refuses the exchange.

#include <QString>

class QWidget;

namespace framework {

class ControlHost;

class DataExchange {
  public:
    struct Failure {};

    DataExchange(ControlHost& host, QWidget* window, bool save)
        : m_bSaveAndValidate(save), host_(host), window_(window) {}

    const bool m_bSaveAndValidate;

    void Int(int id, int& value);
    void Text(int id, QString& value);
    // The position of the checked button in the radio group that holds `firstId`; -1: none.
    void Radio(int firstId, int& value);

  private:
    [[noreturn]] void Fail(int id);

    ControlHost& host_;
    QWidget* window_;
};

}  // namespace framework
