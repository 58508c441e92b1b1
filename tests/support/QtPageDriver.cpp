// The page driver on the Qt backend: real widgets, typed into and clicked offscreen.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "PageDriver.h"
#include "framework/qt/Backend.h"
#include "framework/qt/IPAddressCtrl.h"
#include "framework/qt/Sheet.h"

namespace tests {
namespace {

using namespace framework::qt;

void SettleEvents() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

class QtPageDriver final : public PageDriver {
  public:
    QtPageDriver() { framework::InstallBackend(&backend_); }
    ~QtPageDriver() override { framework::InstallBackend(nullptr); }

    void Show(framework::CPropertySheetEx& sheet) override {
        SheetWidget(sheet)->show();
        SettleEvents();
    }
    void Settle(framework::CPropertySheetEx&) override { SettleEvents(); }
    void Press(framework::CPropertySheetEx& sheet, SheetButton which) override {
        SheetDialog* dialog = SheetWidget(sheet);
        QPushButton* button = which == SheetButton::Back     ? dialog->BackButton()
                              : which == SheetButton::Next   ? dialog->NextButton()
                              : which == SheetButton::Finish ? dialog->FinishButton()
                                                             : dialog->CancelButton();
        if (button->isVisibleTo(dialog) && button->isEnabled()) {
            button->click();
        }
        SettleEvents();
    }
    void Type(framework::CPropertyPageEx& page, int id, const std::wstring& text) override {
        auto* box = qobject_cast<QLineEdit*>(ControlWidget(page, id));
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QString::fromStdWString(text));
    }
    // A click lands on the button wherever its text lies in its control.
    void Click(framework::CPropertyPageEx& page, int id) override {
        qobject_cast<QAbstractButton*>(ControlWidget(page, id))->click();
        SettleEvents();
    }
    void Select(framework::CPropertyPageEx& page, int id, int index) override {
        qobject_cast<QComboBox*>(ControlWidget(page, id))->setCurrentIndex(index);
    }
    // Field by field, as a user types, each field focused as a click would (a dot typed into
    // an empty field does not move on).
    void TypeAddress(framework::CPropertyPageEx& page, int id,
                     const std::wstring& dotted) override {
        auto* control = qobject_cast<CIPAddressCtrl*>(ControlWidget(page, id));
        control->ClearAddress();
        const std::vector<std::wstring> fields = AddressFields(dotted);
        for (int i = 0; i < 4; ++i) {
            if (!fields[i].empty()) {
                control->Field(i)->setFocus();
                QTest::keyClicks(control->Field(i), QString::fromStdWString(fields[i]));
            }
        }
        SettleEvents();
    }
    void Click(framework::CDialog& dialog, int id) override {
        DialogWidget(dialog)->show();
        SettleEvents();
        qobject_cast<QAbstractButton*>(ControlWidget(dialog, id))->click();
    }
    void Escape(framework::CDialog& dialog) override {
        QTest::keyClick(DialogWidget(dialog), Qt::Key_Escape);
    }
    void WhileModal(const std::function<void(framework::CDialog&)>& act,
                    const std::function<void()>& body) override {
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (framework::CDialog* dialog = DialogBehind(QApplication::activeModalWidget())) {
                poll.stop();
                act(*dialog);
            }
        });
        poll.start();
        body();
    }
    void Show(framework::CDialog& dialog) override {
        DialogWidget(dialog)->show();
        SettleEvents();
    }
    int Focused(const framework::CPropertyPageEx& page) override {
        QWidget* focus = QApplication::focusWidget();
        for (const framework::ControlSpec& row : page.Template().controls) {
            QWidget* control = ControlWidget(page, row.id);
            if (focus && (control == focus || control->isAncestorOf(focus))) {
                return row.id;
            }
        }
        return 0;
    }
    SheetButton FocusedButton(framework::CPropertySheetEx& sheet) override {
        SheetDialog* dialog = SheetWidget(sheet);
        QWidget* focus = QApplication::focusWidget();
        return focus == dialog->BackButton()     ? SheetButton::Back
               : focus == dialog->NextButton()   ? SheetButton::Next
               : focus == dialog->FinishButton() ? SheetButton::Finish
               : focus == dialog->CancelButton() ? SheetButton::Cancel
                                                 : SheetButton::None;
    }
    std::wstring Caption(framework::CPropertySheetEx& sheet) override {
        return SheetWidget(sheet)->windowTitle().toStdWString();
    }
    const void* Owner(const framework::CPropertyPageEx& page) override { return PageWidget(page); }
    const void* Owner(const framework::CDialog& dialog) override { return DialogWidget(dialog); }

  private:
    QtBackend backend_;
};

}  // namespace

std::unique_ptr<PageDriver> MakePageDriver() {
    return std::make_unique<QtPageDriver>();
}

}  // namespace tests
