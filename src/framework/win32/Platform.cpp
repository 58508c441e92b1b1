#include "framework/Text.h"
#include "platform/StringIds.h"

// Then Windows.
#include "framework/win32/Com.h"
#include "framework/win32/Platform.h"
#include "framework/win32/SystemFunction.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace framework::win32 {
namespace {

std::wstring TableString(int id, LANGID language) {
    HRSRC block = FindResourceExW(nullptr, MAKEINTRESOURCEW(6 /* RT_STRING */),
                                  MAKEINTRESOURCEW(id / 16 + 1), language);
    if (!block) {
        return std::wstring();
    }
    const auto* entry = static_cast<const wchar_t*>(LockResource(LoadResource(nullptr, block)));
    if (!entry) {
        return std::wstring();
    }
    for (int i = 0; i < id % 16; ++i) {
        entry += 1 + static_cast<unsigned>(*entry);
    }
    return std::wstring(entry + 1, static_cast<std::size_t>(*entry));
}

}  // namespace

LANGID ChooseLanguage(LANGID user) {
    switch (PRIMARYLANGID(user)) {
        case LANG_GERMAN:
        case LANG_FRENCH:
        case LANG_ITALIAN:
        case LANG_JAPANESE:
        case LANG_KOREAN:
            return MAKELANGID(PRIMARYLANGID(user), 0x01);
        case LANG_SPANISH:
            return MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN);
        case LANG_PORTUGUESE:
            return MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN);
        case LANG_CHINESE: {
            const WORD sub = SUBLANGID(user);
            const bool traditional = sub == SUBLANG_CHINESE_TRADITIONAL ||
                                     sub == SUBLANG_CHINESE_HONGKONG ||
                                     sub == SUBLANG_CHINESE_MACAU;
            return MAKELANGID(LANG_CHINESE, traditional ? SUBLANG_CHINESE_TRADITIONAL
                                                        : SUBLANG_CHINESE_SIMPLIFIED);
        }
        default:
            return MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    }
}

int Win32Platform::ShowMessage(const platform::MessageRequest& request) {
    const std::wstring& caption = request.caption ? *request.caption : ApplicationName();
    const UINT type = request.buttons == platform::MessageButtons::OkCancel ? MB_OKCANCEL : MB_OK;
    const int answer = MessageBoxW(static_cast<HWND>(const_cast<void*>(request.owner)),
                                   request.text.c_str(), caption.c_str(), type);
    return answer == IDOK ? platform::kAnswerOk : platform::kAnswerCancel;
}

std::wstring Win32Platform::LoadString(int id) {
    std::wstring text = TableString(id, language_);
    if (text.empty()) {
        text = TableString(id, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    }
    return text;
}

bool Win32Platform::OpenUrl(const std::wstring& url) {
    // The shell's handler for the URL: the default browser.
    const auto execute = SystemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    const auto result = execute
                            ? reinterpret_cast<INT_PTR>(execute(nullptr, L"open", url.c_str(),
                                                                nullptr, nullptr, SW_SHOWNORMAL))
                            : 0;
    return result > 32;
}

void Win32Platform::EndProgram(int exitCode) {
    ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace framework::win32
