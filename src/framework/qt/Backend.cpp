#include "framework/qt/Backend.h"

#include "framework/Dialog.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "framework/qt/Dialog.h"
#include "framework/qt/Measure.h"
#include "framework/qt/Sheet.h"

namespace framework::qt {

std::unique_ptr<SheetWindow> QtBackend::CreateSheet(CPropertySheetEx& sheet) {
    return std::make_unique<QtSheetWindow>(sheet);
}

std::unique_ptr<PageWindow> QtBackend::CreateLonePage(CPropertyPageEx& page) {
    return CreateMeasuredPage(page);
}

std::unique_ptr<DialogWindow> QtBackend::CreateDialogWindow(CDialog& dialog) {
    return std::make_unique<QtDialogWindow>(dialog);
}

SheetDialog* SheetWidget(CPropertySheetEx& sheet) {
    auto* window = dynamic_cast<QtSheetWindow*>(&sheet.Window());
    return window ? window->Dialog() : nullptr;
}

QWidget* PageWidget(const CPropertyPageEx& page) {
    auto* window = dynamic_cast<QtPageWindow*>(page.Window());
    return window ? window->Widget() : nullptr;
}

QDialog* DialogWidget(const CDialog& dialog) {
    auto* window = dynamic_cast<QtDialogWindow*>(dialog.Window());
    return window ? window->Box() : nullptr;
}

QWidget* ControlWidget(const CPropertyPageEx& page, int id) {
    auto* window = dynamic_cast<QtPageWindow*>(page.Window());
    return window ? window->Ctl().Item(id) : nullptr;
}

QWidget* ControlWidget(const CDialog& dialog, int id) {
    auto* window = dynamic_cast<QtDialogWindow*>(dialog.Window());
    return window ? window->Ctl().Item(id) : nullptr;
}

CDialog* DialogBehind(QWidget* window) {
    auto* box = dynamic_cast<DialogBox*>(window);
    return box ? &box->Dialog() : nullptr;
}

}  // namespace framework::qt
