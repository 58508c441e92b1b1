#pragma once
// The platform of the program k4400-init-cli: the string tables in the user's language, no
// window (a message goes to stderr), no browser.

#include <string>

#include "platform/Platform.h"

namespace cli {

class TablePlatform final : public platform::Platform {
  public:
    explicit TablePlatform(std::string language) : language_(std::move(language)) {}
    int ShowMessage(const platform::MessageRequest& request) override;
    std::wstring LoadString(int id) override;
    bool OpenUrl(const std::wstring&) override { return false; }
    [[noreturn]] void EndProgram(int exitCode) override;

  private:
    std::string language_;
};

}  // namespace cli
