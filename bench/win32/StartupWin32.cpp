// Start-up of the Windows program to its main menu against a bare dialog built the same way,
// in one run: startup_win32 WIZARD_EXE BARE_EXE [RUNS]. Each program is started RUNS times
// (default 21), in turns; a start ends when the program's first window is shown and its
// message loop answers. Prints the medians and their ratio; then the start-up to the failure
// dialog of a task whose error output holds 60,000 characters (a key can bring any length).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Found {
    DWORD process;
    HWND window;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM param) {
    auto* found = reinterpret_cast<Found*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == found->process && IsWindowVisible(window)) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds from the start of `command` to its first window, answering; -1 on failure.
double StartUp(std::wstring command, const std::wstring& folder) {
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        return -1;
    }
    Found found{process.dwProcessId, nullptr};
    for (int waited = 0; !found.window && waited < 30000; ++waited) {
        EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&found));
        if (!found.window) {
            Sleep(1);
        }
    }
    DWORD_PTR ignored = 0;
    if (found.window) {
        SendMessageTimeoutW(found.window, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &ignored);
    }
    QueryPerformanceCounter(&end);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!found.window) {
        return -1;
    }
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_win32 WIZARD_EXE BARE_EXE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 21;
    // An empty key folder: the wizard starts on its main menu.
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring key = std::wstring(temp) + L"k4400-bench-key";
    CreateDirectoryW(key.c_str(), nullptr);
    const std::wstring wizard = L"\"" + std::wstring(argv[1]) + L"\"";
    const std::wstring bare = L"\"" + std::wstring(argv[2]) + L"\"";
    StartUp(wizard, key);  // warm the file cache
    StartUp(bare, key);
    std::vector<double> wizardTimes;
    std::vector<double> bareTimes;
    for (int i = 0; i < runs; ++i) {
        const double b = StartUp(bare, key);
        const double w = StartUp(wizard, key);
        if (b < 0 || w < 0) {
            std::fprintf(stderr, "startup_win32: a program did not show its window\n");
            return 1;
        }
        bareTimes.push_back(b);
        wizardTimes.push_back(w);
    }
    RemoveDirectoryW(key.c_str());
    const double b = Median(bareTimes);
    const double w = Median(wizardTimes);
    std::printf(
        "start-up to the first window (median of %d): bare Win32 dialog %.1f ms, "
        "k4400-init %.1f ms, ratio %.2f (target 1.30)\n",
        runs, b, w, w / b);

    const std::wstring failedKey = std::wstring(temp) + L"k4400-bench-long-error";
    CreateDirectoryW(failedKey.c_str(), nullptr);
    const std::wstring results = failedKey + L"\\satask_result.html";
    std::string output;
    while (output.size() < 60000) {
        output += "cmmvc5706e an invalid argument has been entered ";
    }
    output.resize(60000);
    const std::string text =
        "command=\"satask mkcluster -clusterip 192.168.1.50 -gw 192.168.1.1 -mask "
        "255.255.255.0\" output=\"" +
        output + "\" exit=\"1\"\nsainfo lsservicestatus\ncluster_ip_count 0\n";
    HANDLE file = CreateFileW(results.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    std::vector<double> failedTimes;
    for (int i = 0; i < 3; ++i) {
        failedTimes.push_back(StartUp(wizard, failedKey));
    }
    DeleteFileW(results.c_str());
    RemoveDirectoryW(failedKey.c_str());
    std::printf(
        "start-up to the failure dialog of a 60,000-character error (median of 3): "
        "%.1f ms (target under 1000)\n",
        Median(failedTimes));
    return 0;
}
