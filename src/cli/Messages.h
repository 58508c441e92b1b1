#pragma once
// The message boxes of the core, pages and start-up, caught for the command line: each is
// kept (the command prints them on stderr, and reports them), none waits for a click. A
// question is answered OK only when the command line says so (--yes). Strings come from
// the platform this one stands in front of.

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace cli {

class MessageCatcher final : public platform::Platform {
  public:
    struct Shown {
        std::wstring text;
        bool owned;     // a page owned it: a check refused an entry
        bool question;  // OK or Cancel
    };

    // Installs itself in front of the current platform, for its lifetime.
    explicit MessageCatcher(bool answerQuestionsOk);
    ~MessageCatcher() override;
    MessageCatcher(const MessageCatcher&) = delete;
    MessageCatcher& operator=(const MessageCatcher&) = delete;

    int ShowMessage(const platform::MessageRequest& request) override;
    std::wstring LoadString(int id) override { return behind_.LoadString(id); }
    // A command line opens nothing.
    bool OpenUrl(const std::wstring&) override { return false; }
    [[noreturn]] void EndProgram(int exitCode) override;

    std::vector<Shown> shown;

  private:
    platform::Platform& behind_;
    bool answerOk_;
};

// The platform of the program k4400-init-cli: the string tables in `language`, messages on
// stderr (only ever seen when no catcher stands in front), no browser.
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
