#pragma once
// Renders every page of the wizard (in each of its modes) and every result dialog, in the
// language installed, and lets a caller inspect each shot before it is saved.

#include <QString>
#include <functional>

class QWidget;

namespace framework {
class CDialog;
class CPropertySheetEx;
}  // namespace framework

namespace gallery {

// A screen shown: its Qt window, and the sheet or the dialog behind it.
struct Screen {
    QWidget* window;
    framework::CPropertySheetEx* sheet;  // null for a dialog
    framework::CDialog* dialog;          // null for a page
};

// Called with a name ("page1-ipv6", "dialog102") and the screen shown in that state.
using Visitor = std::function<void(const QString& name, const Screen& screen)>;

// Walks all screens; the current directory must be a scratch key folder.
void VisitAllScreens(const Visitor& visit);

// Saves a window's rendering as PNG.
bool SaveShot(QWidget* window, const QString& path);

}  // namespace gallery
