#include "framework/win32/Com.h"

#include <objbase.h>

#include "framework/win32/SystemFunction.h"

namespace framework::win32 {
namespace {

struct Ole32 {
    decltype(&CoCreateInstance) create;
    decltype(&CoTaskMemFree) free;
};

const Ole32& Functions() {
    static const Ole32 ole32 = [] {
        if (auto initialize =
                SystemFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx")) {
            initialize(nullptr, COINIT_APARTMENTTHREADED);
        }
        return Ole32{SystemFunction<decltype(&CoCreateInstance)>(L"ole32.dll", "CoCreateInstance"),
                     SystemFunction<decltype(&CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree")};
    }();
    return ole32;
}

}  // namespace

HRESULT CreateComObject(REFCLSID type, REFIID interfaceId, void** object) {
    *object = nullptr;
    const Ole32& ole32 = Functions();
    return ole32.create ? ole32.create(type, nullptr, CLSCTX_INPROC_SERVER, interfaceId, object)
                        : E_NOTIMPL;
}

void FreeComMemory(void* memory) {
    if (Functions().free) {
        Functions().free(memory);
    }
}

}  // namespace framework::win32
