#pragma once
// The platform seam on Qt: message boxes, the string table, URL launches, program end.

#include <QString>

#include "platform/Platform.h"

class QWidget;

namespace framework {

class QtPlatform final : public platform::Platform {
  public:
    int ShowMessage(const platform::MessageRequest& request) override;
    std::wstring LoadString(int id) override;
    bool OpenUrl(const std::wstring& url) override;
    [[noreturn]] void EndProgram(int exitCode) override;
};

// The string-table text of an id, through the installed platform.
QString LoadQString(int id);
// Loaded and formatted with message-style formatting.
QString FormatQString(int id, std::initializer_list<QString> args);

// The caption of the messages that pages own: the application's name. It is kept here and
// not as Qt's display name, which Qt would append to every window title (" — <name>").
QString ApplicationName();
void SetApplicationName(const QString& name);

// A message box owned by a window, with the application's name as caption.
int MessageBoxOwned(QWidget* owner, const QString& text,
                    platform::MessageButtons buttons = platform::MessageButtons::Ok);
int MessageBoxOwned(QWidget* owner, const QString& text, const QString& caption);

}  // namespace framework
