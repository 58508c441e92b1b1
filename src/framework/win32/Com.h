#pragma once
// COM, loaded when first needed (see SystemFunction.h).

#include <windows.h>

namespace framework::win32 {

// Makes an in-process object, COM set up for this thread (a single-threaded apartment) first.
HRESULT CreateComObject(REFCLSID type, REFIID interfaceId, void** object);
// Frees memory a COM object handed out.
void FreeComMemory(void* memory);

// Holds a COM object and releases it when it goes.
template <class T>
class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (p_) {
            p_->Release();
        }
    }
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    T** out() { return &p_; }
    explicit operator bool() const { return p_ != nullptr; }

  private:
    T* p_ = nullptr;
};

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
