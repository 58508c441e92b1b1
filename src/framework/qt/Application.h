#pragma once
// What a Qt entry point needs around the application object: a display check that runs
// before Qt would abort, the language, the backend and the program's icon, and the key
// folder chooser.

#include <QString>
#include <optional>
#include <string>

class QApplication;

namespace framework::qt {

// Why no window can open, or nothing when one can. Asked before QApplication exists: Qt's
// platform plugin aborts without a display.
std::optional<std::string> NoDisplayReason();

// Constructs the application; a platform plugin that still cannot open the display ends the
// program with one line on stderr and status 1 instead of Qt's abort.
QApplication* StartApplication(int& argc, char** argv);

// Installs the user's language and the Qt backend; the desktop entry and the window icon (a
// resource folder of raw pixels, one file a size) are the program's, named by its entry.
void SetUpApplication(const QString& desktopFileName, const QString& iconFolder);

// Asks for the key folder, starting where the desktop mounts removable media. Nothing when
// the user cancels.
std::optional<std::string> ChooseKeyFolder();

}  // namespace framework::qt
