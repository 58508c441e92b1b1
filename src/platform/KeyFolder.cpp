#include "platform/KeyFolder.h"

#include <cwctype>

#include "platform/Utf8.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <fstream>
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

namespace {
std::function<KeyPlace()>& Probe() {
    static std::function<KeyPlace()> probe;
    return probe;
}
}  // namespace

void SetKeyPlaceProbe(std::function<KeyPlace()> probe) {
    Probe() = std::move(probe);
}

#ifndef _WIN32
bool IsRemovableBlockDevice(const std::string& sysRoot, unsigned major, unsigned minor) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path device = fs::canonical(
        fs::path(sysRoot) / "dev" / "block" / (std::to_string(major) + ":" + std::to_string(minor)),
        error);
    if (error) {
        return false;
    }
    if (device.generic_string().find("/usb") != std::string::npos) {
        return true;
    }
    for (const fs::path& disk : {device, device.parent_path()}) {
        std::ifstream removable(disk / "removable");
        char flag = 0;
        if (removable >> flag) {
            return flag == '1';
        }
    }
    return false;
}
#endif

KeyPlace ProbeKeyPlace() {
    if (Probe()) {
        return Probe()();
    }
    KeyPlace place;
#ifdef _WIN32
    std::wstring folder(32768, L'\0');
    folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    std::wstring volume(folder.size() + 2, L'\0');
    if (folder.empty() ||
        !GetVolumePathNameW(folder.c_str(), volume.data(), static_cast<DWORD>(volume.size()))) {
        return place;
    }
    volume.resize(wcslen(volume.c_str()));
    place.folder = folder;
    place.topFolder = Normal(volume) == Normal(folder);
    place.removable = GetDriveTypeW(volume.c_str()) == DRIVE_REMOVABLE;
#else
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    struct stat self {
    }, parent{};
    if (error || stat(".", &self) != 0 || stat("..", &parent) != 0) {
        return place;
    }
    place.folder = FromUtf8(folder.string());
    // The top folder of a mount: its parent lies on another device (or is itself, at "/").
    place.topFolder = self.st_dev != parent.st_dev || self.st_ino == parent.st_ino;
    place.removable = IsRemovableBlockDevice("/sys", major(self.st_dev), minor(self.st_dev));
#endif
    return place;
}

}  // namespace platform
