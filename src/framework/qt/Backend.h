#pragma once
// The framework's windows on Qt Widgets: the sheet (framework/qt/Sheet.h), its pages and the
// modal dialogs (framework/qt/Dialog.h), their controls (framework/qt/Controls.h). What the
// user does goes back to the framework's classes.

#include <memory>

#include "framework/Backend.h"

class QDialog;
class QWidget;

namespace framework {
class CDialog;
class CPropertyPageEx;
class CPropertySheetEx;
}  // namespace framework

namespace framework::qt {

class SheetDialog;

class QtBackend final : public Backend {
  public:
    std::unique_ptr<SheetWindow> CreateSheet(CPropertySheetEx& sheet) override;
    std::unique_ptr<PageWindow> CreateLonePage(CPropertyPageEx& page) override;
    std::unique_ptr<DialogWindow> CreateDialogWindow(CDialog& dialog) override;
};

// Where tests and the gallery reach the Qt widgets behind the framework's windows.
SheetDialog* SheetWidget(CPropertySheetEx& sheet);
QWidget* PageWidget(const CPropertyPageEx& page);
QDialog* DialogWidget(const CDialog& dialog);
QWidget* ControlWidget(const CPropertyPageEx& page, int id);
QWidget* ControlWidget(const CDialog& dialog, int id);
// The dialog whose window `window` is, or null.
CDialog* DialogBehind(QWidget* window);

}  // namespace framework::qt
