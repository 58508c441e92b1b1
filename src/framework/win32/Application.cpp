#include "framework/win32/Application.h"

#include "framework/win32/Com.h"
#include "framework/win32/SystemFunction.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

#include <commctrl.h>
#include <prsht.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <deque>

namespace framework::win32 {
namespace {

// Work the handlers posted, run once they have returned (see PumpMessages), with the sheet
// that posted it: a sheet taken down drops what it had not run yet.
struct PostedTask {
    const void* sheet;
    std::function<void()> run;
};
std::deque<PostedTask>& Posted() {
    static std::deque<PostedTask> posted;
    return posted;
}

// The property sheets shown: their dialog manager is the sheet's own.
std::vector<HWND>& Sheets() {
    static std::vector<HWND> sheets;
    return sheets;
}

bool IsDialogWindow(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return lstrcmpW(name, L"#32770") == 0;
}

// Runs the work the handlers posted, in the order they posted it.
bool RunPosted() {
    bool any = false;
    while (!Posted().empty()) {
        any = true;
        auto task = std::move(Posted().front().run);
        Posted().pop_front();
        task();
    }
    return any;
}

}  // namespace

void Post(const void* owner, std::function<void()> task) {
    Posted().push_back({owner, std::move(task)});
}

void DropPosted(const void* owner) {
    std::erase_if(Posted(), [owner](const PostedTask& task) { return task.sheet == owner; });
}

void RegisterSheet(HWND sheet) {
    Sheets().push_back(sheet);
}

void UnregisterSheet(HWND sheet) {
    std::erase(Sheets(), sheet);
}

void DispatchToDialogs(MSG& msg) {
    // The dialog manager of the window a message is for sees it first: Tab, Enter, Escape, the
    // arrow keys and the access keys (Alt+N) are its; translated here, a key's WM_SYSCHAR
    // would reach the control instead of the sheet's buttons.
    if (HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr) {
        const bool sheet = std::find(Sheets().begin(), Sheets().end(), root) != Sheets().end();
        if (sheet ? PropSheet_IsDialogMessage(root, &msg) != FALSE
                  : IsDialogWindow(root) && IsDialogMessageW(root, &msg)) {
            return;
        }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void PumpMessages() {
    for (int round = 0; round < 50; ++round) {
        MSG msg;
        bool any = false;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            any = true;
            DispatchToDialogs(msg);
        }
        if (!RunPosted() && !any) {
            return;
        }
    }
}

void RunModalLoop(const std::function<bool()>& ended) {
    MSG msg;
    while (!ended() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        DispatchToDialogs(msg);
        RunPosted();
    }
}

// Places a top-level window of `cx` by `cy` pixels in the middle of the work area of the
// monitor that holds the mouse pointer, where the user is looking.
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
