// k4400-init: the Quorvex Veltara K4400 Initialization Tool, its entry point on Windows.
#include "app/CommandLine.h"
#include "app/MyWizardApp.h"
#include "framework/Text.h"
#include "platform/FileError.h"
#include "platform/KeyFolder.h"
#include "platform/Platform.h"
#include "wizard/ToolTitle.h"

// Then Windows.
#include "framework/win32/Application.h"
#include "framework/win32/Backend.h"
#include "framework/win32/Platform.h"

#include <string>
#include <vector>

namespace {

constexpr int kProgramIcon = 1;  // the icon resource the pictures script gives the program

std::string Narrow(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? static_cast<std::size_t>(size) : 1u, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

std::wstring Widen(const std::string& text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::wstring out(size > 0 ? static_cast<std::size_t>(size) : 1u, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, out.data(), size);
    out.resize(out.size() - 1);
    return out;
}

// Works in `folder` as when started from it; where it cannot be entered, says why in the
// user's language (the installed platform's string table) and gives up.
bool EnterKeyFolder(const std::wstring& folder) {
    if (SetCurrentDirectoryW(folder.c_str())) {
        return true;
    }
    const DWORD code = GetLastError();
    const auto cause = code == ERROR_DIRECTORY
                           ? platform::FileErrorCause::BadPath
                           : platform::CauseFromErrno(platform::ErrnoFromWindowsError(code));
    platform::ShowFileMessage(platform::DescribeFileError(cause, folder));
    return false;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // DLLs only from the system folder, before anything can load one: a DLL planted on the
    // key beside the program is never loaded.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // The command line is understood before anything on any key is touched.
    // The runtime's own split of the command line (the shell's would load shell32.dll).
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i) {
        args.push_back(Narrow(__wargv[i]));
    }
    const app::CommandLine line = app::ParseCommandLine(args);
    switch (line.action) {
        case app::CommandLine::Help:
        case app::CommandLine::Version:
            MessageBoxW(
                nullptr,
                Widen(line.action == app::CommandLine::Help ? app::kUsage : app::VersionText())
                    .c_str(),
                L"k4400-init", MB_OK);
            return 0;
        case app::CommandLine::Error:
            MessageBoxW(nullptr, Widen(line.error + "\n\n" + app::kUsage).c_str(), L"k4400-init",
                        MB_OK);
            return 2;
        case app::CommandLine::Run:
            break;
    }
    if (line.keyFolder.empty() && !line.chooseKey) {
        // Started in the Windows or system folder (elevated, or by a launcher): the key is
        // the folder that holds the program.
        if (const auto folder = platform::KeyFolderInstead()) {
            SetCurrentDirectoryW(folder->c_str());
        }
    }
    framework::win32::Win32Platform platform(
        framework::win32::ChooseLanguage(GetUserDefaultUILanguage()));
    platform::Install(&platform);
    framework::SetApplicationName(wizard::LoadToolTitle());
    if (!line.keyFolder.empty() && !EnterKeyFolder(Widen(line.keyFolder))) {
        platform::Install(nullptr);
        return 2;
    }
    framework::win32::Win32Backend backend(kProgramIcon);
    framework::InstallBackend(&backend);
    if (line.chooseKey) {
        const auto folder = framework::win32::ChooseKeyFolder();
        if (!folder) {
            platform::Install(nullptr);
            return 0;
        }
        if (!EnterKeyFolder(*folder)) {
            platform::Install(nullptr);
            return 2;
        }
    }
    // The application object removes a stale task file from the key as it is made.
    app::CMyWizardApp theApp;
    theApp.InitInstance();
    platform::Install(nullptr);
    return 0;
}
