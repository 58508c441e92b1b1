// k4400-init-cli: the wizard's tasks and its results report from a terminal or a script.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/TablePlatform.h"
#include "platform/Language.h"
#include "platform/Utf8.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

int RunInUserLanguage(const std::vector<std::string>& args) {
    cli::TablePlatform platform(platform::ChooseLanguage(platform::UserLanguages()));
    platform::Install(&platform);
    const int code = cli::Run(args, std::cout, std::cerr);
    std::cout.flush();
    platform::Install(nullptr);
    return code;
}

}  // namespace

#ifdef _WIN32
// The arguments as Windows gives them, in UTF-16; the console shows the UTF-8 output, and
// gets back the code page it had, for whatever runs in it next.
int wmain(int argc, wchar_t* argv[]) {
    // DLLs only from the system folder: a DLL planted on the key is never loaded.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const UINT codePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(platform::ToUtf8(argv[i]));
    }
    const int code = RunInUserLanguage(args);
    if (codePage != 0) {
        SetConsoleOutputCP(codePage);
    }
    return code;
}
#else
int main(int argc, char* argv[]) {
    // A closed pipe is told as a failed write, never a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    return RunInUserLanguage({argv + 1, argv + argc});
}
#endif
