#pragma once
// COM, loaded when first needed (see SystemFunction.h).

#include <windows.h>

namespace framework::win32 {

// Makes an in-process object, COM set up for this thread (a single-threaded apartment) first.
HRESULT CreateComObject(REFCLSID type, REFIID interfaceId, void** object);
// Frees memory a COM object handed out.
void FreeComMemory(void* memory);

}  // namespace framework::win32
