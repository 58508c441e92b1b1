#include "framework/Text.h"
#include "platform/StringIds.h"

// Then Windows.
#include "framework/win32/Com.h"
#include "framework/win32/SystemFunction.h"
#include "framework/win32/Win32Platform.h"

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

std::optional<std::wstring> ChooseKeyFolder() {
    IFileOpenDialog* dialog = nullptr;
    if (FAILED(CreateComObject(CLSID_FileOpenDialog, IID_IFileOpenDialog,
                               reinterpret_cast<void**>(&dialog)))) {
        return std::nullopt;
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog->SetTitle(LoadText(IDS_FW_CHOOSE_KEY).c_str());
    // It opens on This PC, where the key's drive is.
    IShellItem* computer = nullptr;
    const auto knownFolder =
        SystemFunction<decltype(&SHGetKnownFolderItem)>(L"shell32.dll", "SHGetKnownFolderItem");
    if (knownFolder &&
        SUCCEEDED(knownFolder(FOLDERID_ComputerFolder, KF_FLAG_DEFAULT, nullptr, IID_IShellItem,
                              reinterpret_cast<void**>(&computer)))) {
        dialog->SetFolder(computer);
        computer->Release();
    }
    std::optional<std::wstring> chosen;
    IShellItem* item = nullptr;
    if (SUCCEEDED(dialog->Show(nullptr)) && SUCCEEDED(dialog->GetResult(&item))) {
        PWSTR path = nullptr;
        if (SUCCEEDED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
            chosen = path;
            FreeComMemory(path);
        }
        item->Release();
    }
    dialog->Release();
    return chosen;
}

void Win32Platform::EndProgram(int exitCode) {
    ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace framework::win32
