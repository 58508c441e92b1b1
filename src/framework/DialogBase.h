#pragma once
// What pages and dialogs share: their controls from a template, control lookup by id and
// data exchange between the controls and the members.

#include <QWidget>

#include "framework/DataExchange.h"
#include "framework/DialogTemplate.h"

namespace framework {

class DialogBase {
  public:
    explicit DialogBase(QWidget* window) : host_(window), window_(window) {}
    virtual ~DialogBase() = default;

    QWidget* GetDlgItem(int id) const { return host_.Item(id); }
    template <class T>
    T* Item(int id) const {
        return host_.ItemAs<T>(id);
    }
    void SetDlgItemText(int id, const QString& text) { host_.SetText(id, text); }
    QString GetDlgItemText(int id) const { return host_.Text(id); }

    // Controls to members (save) or members to controls; false when a read failed.
    bool UpdateData(bool save = true) {
        try {
            DataExchange dx(host_, window_, save);
            DoDataExchange(dx);
            return true;
        } catch (const DataExchange::Failure&) {
            return false;
        }
    }

    ControlHost& Controls() { return host_; }

  protected:
    virtual void DoDataExchange(DataExchange&) {}

    ControlHost host_;
    QWidget* window_;
};

}  // namespace framework
