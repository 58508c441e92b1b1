#include "framework/win32/Application.h"

#include "framework/win32/Com.h"
#include "framework/win32/SystemFunction.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

#include <commctrl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>

namespace framework::win32 {

void CenterOnWorkArea(HWND window, int cx, int cy) {
    POINT pointer{};
    GetCursorPos(&pointer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    SetWindowPos(window, nullptr, work.left + std::max(0L, (work.right - work.left - cx) / 2),
                 work.top + std::max(0L, (work.bottom - work.top - cy) / 2), cx, cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<std::wstring> ChooseKeyFolder() {
    ComPtr<IFileOpenDialog> dialog;
    if (FAILED(CreateComObject(CLSID_FileOpenDialog, IID_IFileOpenDialog,
                               reinterpret_cast<void**>(dialog.out())))) {
        return std::nullopt;
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog->SetTitle(platform::LoadText(IDS_FW_CHOOSE_KEY).c_str());
    // It opens on This PC, where the key's drive is.
    ComPtr<IShellItem> computer;
    const auto knownFolder =
        SystemFunction<decltype(&SHGetKnownFolderItem)>(L"shell32.dll", "SHGetKnownFolderItem");
    if (knownFolder &&
        SUCCEEDED(knownFolder(FOLDERID_ComputerFolder, KF_FLAG_DEFAULT, nullptr, IID_IShellItem,
                              reinterpret_cast<void**>(computer.out())))) {
        dialog->SetFolder(computer.get());
    }
    std::optional<std::wstring> chosen;
    ComPtr<IShellItem> item;
    if (SUCCEEDED(dialog->Show(nullptr)) && SUCCEEDED(dialog->GetResult(item.out()))) {
        PWSTR path = nullptr;
        if (SUCCEEDED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
            chosen = path;
            FreeComMemory(path);
        }
    }
    return chosen;
}

}  // namespace framework::win32
