#pragma once
// The few services the core needs from the outside world: message boxes, the string table,
// URL launches, the end of the program. Each program's entry point installs its backend's
// implementation (framework/qt/Platform.h, framework/win32/Platform.h); tests install a
// recording fake (tests/support/FakePlatform.h).

#include <initializer_list>
#include <optional>
#include <string>

// <windows.h> defines LoadString as a macro; it must not rename the operation below.
#ifdef LoadString
#undef LoadString
#endif

namespace platform {

enum class MessageButtons { Ok, OkCancel };

// What a message box returns: the command that closed it.
enum MessageAnswer { kAnswerOk = 1, kAnswerCancel = 2 };

struct MessageRequest {
    const void* owner = nullptr;          // the window that owns the box; nullptr for none
    std::optional<std::wstring> caption;  // nullopt: the platform's neutral default caption
    std::wstring text;
    MessageButtons buttons = MessageButtons::Ok;
};

class Platform {
  public:
    virtual ~Platform() = default;
    // Shows a modal message box without an icon and returns kAnswerOk or kAnswerCancel.
    virtual int ShowMessage(const MessageRequest& request) = 0;
    // The text of a string-table entry in the user's language.
    virtual std::wstring LoadString(int id) = 0;
    // Asks the desktop to open a URL in the default browser; false when nothing could take
    // it (no browser, no handler for the scheme).
    virtual bool OpenUrl(const std::wstring& url) = 0;
    // Ends the program at once with the given exit code; nothing after it runs.
    [[noreturn]] virtual void EndProgram(int exitCode) = 0;
};

// The installed platform. Installing nullptr restores the built-in one, which answers
// every message with OK, loads "#<id>" for every string and cannot open URLs.
Platform& Current();
void Install(Platform* platform);

// Message-style formatting: %1 and %2 are replaced by the arguments in one pass, so an
// argument that itself holds "%1" or "%2" is inserted as it is.
std::wstring FormatMessage(const std::wstring& format, std::initializer_list<std::wstring> args);

// The string-table text of `id` in the user's language, through the installed platform.
std::wstring LoadText(int id);
// Loads a string and formats it.
std::wstring LoadFormatted(int id, std::initializer_list<std::wstring> args);

// A control's text without its access key, as a name inside a sentence or read aloud:
// "IP &Address" gives "IP Address", "IP アドレス(&A)" gives "IP アドレス", "&&" gives "&".
std::wstring WithoutAccessKey(const std::wstring& text);
// The string-table text of `id` without its access key.
std::wstring LoadName(int id);

// A message about files: no owner window, no caption of its own, OK only.
void ShowFileMessage(const std::wstring& text);

}  // namespace platform
