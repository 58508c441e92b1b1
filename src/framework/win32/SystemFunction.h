#pragma once
// Functions of Windows' own DLLs that the program needs only sometimes (COM for the pictures,
// the folder picker and accessible names; the shell for a launch): loaded when first called
// for. Linked directly, shell32.dll and ole32.dll, and the DLLs they bring, would load at
// every start, for a main menu that uses neither.

#include <windows.h>

#include <cstring>

namespace framework::win32 {

// `name` in the system DLL `library` (loaded from the system folder only, never from the key
// the program runs from), or null.
template <class Function>
Function SystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (!module) {
        module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    const FARPROC address = module ? GetProcAddress(module, name) : nullptr;
    Function function = nullptr;
    std::memcpy(&function, &address, sizeof function);
    return function;
}

}  // namespace framework::win32
