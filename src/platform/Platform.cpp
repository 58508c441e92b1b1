#include "platform/Platform.h"

#include <cstdlib>

namespace platform {
namespace {

class BuiltIn final : public Platform {
  public:
    int ShowMessage(const MessageRequest&) override { return kAnswerOk; }
    std::wstring LoadString(int id) override { return L"#" + std::to_wstring(id); }
    bool OpenUrl(const std::wstring&) override { return false; }
    [[noreturn]] void EndProgram(int exitCode) override { std::_Exit(exitCode); }
};

BuiltIn builtIn;
Platform* installed = &builtIn;

}  // namespace

Platform& Current() {
    return *installed;
}

void Install(Platform* platform) {
    installed = platform ? platform : &builtIn;
}

std::wstring FormatMessage(const std::wstring& format, std::initializer_list<std::wstring> args) {
    std::wstring out;
    out.reserve(format.size());
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == L'%' && i + 1 < format.size() && format[i + 1] >= L'1' &&
            format[i + 1] <= L'9') {
            const size_t index = static_cast<size_t>(format[i + 1] - L'1');
            if (index < args.size()) {
                out += *(args.begin() + index);
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

std::wstring LoadText(int id) {
    return Current().LoadString(id);
}

std::wstring LoadFormatted(int id, std::initializer_list<std::wstring> args) {
    return FormatMessage(LoadText(id), args);
}

std::wstring WithoutAccessKey(const std::wstring& text) {
    std::wstring plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'&' || i + 1 == text.size()) {
            plain += text[i];
        } else if (text[i + 1] == L'&') {
            plain += text[++i];
        } else if (i > 0 && text[i - 1] == L'(' && i + 2 < text.size() && text[i + 2] == L')') {
            plain.pop_back();  // "(&A)", as the East Asian tables write a key: gone whole
            i += 2;
        }
    }
    return plain;
}

std::wstring LoadName(int id) {
    return WithoutAccessKey(LoadText(id));
}

void ShowFileMessage(const std::wstring& text) {
    Current().ShowMessage(MessageRequest{nullptr, std::nullopt, text, MessageButtons::Ok});
}

}  // namespace platform
