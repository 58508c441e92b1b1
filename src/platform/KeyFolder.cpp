#include "platform/KeyFolder.h"

#include <cwctype>

#ifdef _WIN32
#include <windows.h>
#endif

namespace platform {
namespace {

std::wstring Normal(std::wstring folder) {
    while (folder.size() > 1 && (folder.back() == L'\\' || folder.back() == L'/')) {
        folder.pop_back();
    }
    for (wchar_t& c : folder) {
        c = c == L'/' ? L'\\' : static_cast<wchar_t>(std::towlower(c));
    }
    return folder;
}

#ifdef _WIN32
// A folder the system names with a call of the shape of GetWindowsDirectoryW.
template <class Call>
std::wstring Named(Call call) {
    wchar_t folder[MAX_PATH + 1] = {};
    const UINT length = call(folder, MAX_PATH + 1);
    return length > 0 && length <= MAX_PATH ? std::wstring(folder, length) : std::wstring();
}
#endif

}  // namespace

bool IsSystemFolder(const std::wstring& current, const std::vector<std::wstring>& systemFolders) {
    if (current.empty()) {
        return true;
    }
    const std::wstring normal = Normal(current);
    for (const std::wstring& folder : systemFolders) {
        if (!folder.empty() && Normal(folder) == normal) {
            return true;
        }
    }
    return false;
}

std::optional<std::wstring> KeyFolderInstead() {
#ifdef _WIN32
    std::wstring current(MAX_PATH + 1, L'\0');
    DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(current.size()), current.data());
    if (length > current.size()) {
        current.resize(length);
        length = GetCurrentDirectoryW(length, current.data());
    }
    current.resize(length <= current.size() ? length : 0);
    const std::vector<std::wstring> system = {
        Named(GetWindowsDirectoryW), Named(GetSystemWindowsDirectoryW), Named(GetSystemDirectoryW),
        Named(GetSystemWow64DirectoryW)};
    if (!IsSystemFolder(current, system)) {
        return std::nullopt;
    }
    std::wstring program(32768, L'\0');
    program.resize(GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size())));
    const std::size_t slash = program.find_last_of(L"\\/");
    if (slash == std::wstring::npos) {
        return std::nullopt;
    }
    return program.substr(0, slash == 2 ? 3 : slash);  // "E:\" keeps its backslash
#else
    return std::nullopt;
#endif
}

}  // namespace platform
