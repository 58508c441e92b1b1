#pragma once
// COM, loaded when first needed (see SystemFunction.h).

#include <windows.h>

namespace framework::win32 {

// Makes an in-process object, COM set up for this thread (a single-threaded apartment) first.
HRESULT CreateComObject(REFCLSID type, REFIID interfaceId, void** object);
// Frees memory a COM object handed out.
void FreeComMemory(void* memory);

// The program's one object of `Interface`, made when first asked for; null if it cannot be.
template <class Interface>
Interface* SharedComObject(REFCLSID type, REFIID interfaceId) {
    static Interface* const object = [&] {
        void* made = nullptr;
        return SUCCEEDED(CreateComObject(type, interfaceId, &made)) ? static_cast<Interface*>(made)
                                                                    : nullptr;
    }();
    return object;
}

}  // namespace framework::win32
