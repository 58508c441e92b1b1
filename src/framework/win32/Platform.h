#pragma once
// The platform seam on Windows: message boxes, the string tables in the user's language,
// the browser through the shell, the end of the program.

#include <windows.h>
// Windows' LoadString macro would rename the platform's operation of that name.
#undef LoadString

#include <optional>
#include <string>

#include "platform/Platform.h"

namespace framework::win32 {

// The table for the user's interface language: one of the ten, English when none matches.
LANGID ChooseLanguage(LANGID userLanguage);

class Win32Platform final : public platform::Platform {
  public:
    explicit Win32Platform(LANGID language) : language_(language) {}
    int ShowMessage(const platform::MessageRequest& request) override;
    // The entry of the chosen language's table, or English's when it has none.
    std::wstring LoadString(int id) override;
    bool OpenUrl(const std::wstring& url) override;
    [[noreturn]] void EndProgram(int exitCode) override;

  private:
    LANGID language_;
};

}  // namespace framework::win32
