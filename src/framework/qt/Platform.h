#pragma once
// The platform seam on Qt: message boxes, the string table, URL launches, program end.

#include <QString>

#include "platform/Platform.h"

namespace framework::qt {

class QtPlatform final : public platform::Platform {
  public:
    int ShowMessage(const platform::MessageRequest& request) override;
    std::wstring LoadString(int id) override;
    bool OpenUrl(const std::wstring& url) override;
    [[noreturn]] void EndProgram(int exitCode) override;
};

// The string-table text of an id, through the installed platform.
QString LoadQString(int id);

}  // namespace framework::qt
