// The platform's own text-to-address parser and version test.
#ifdef _WIN32
// winsock2.h must come before windows.h, and windows.h must not bring the old winsock.h.
// clang-format off
#define WIN32_LEAN_AND_MEAN
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#undef LoadString  // Windows' macro would rename the platform's operation
// clang-format on
#include <cstring>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <cerrno>
#endif

#include "address/AddressChecks.h"

namespace address {

#ifdef _WIN32

namespace {

// The sockets library, loaded when an address is first checked rather than at every start
// (a main menu checks none), from the system folder only, never from the key.
struct Sockets {
    decltype(&WSAStartup) startup = nullptr;
    decltype(&WSAStringToAddressW) parse = nullptr;
    decltype(&WSAGetLastError) lastError = nullptr;
    decltype(&WSACleanup) cleanup = nullptr;
};

template <class Function>
void Find(HMODULE library, const char* name, Function& function) {
    const FARPROC address = GetProcAddress(library, name);
    std::memcpy(&function, &address, sizeof function);
}

const Sockets& LoadSockets() {
    static const Sockets sockets = [] {
        Sockets found;
        if (HMODULE ws2 = LoadLibraryExW(L"ws2_32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
            Find(ws2, "WSAStartup", found.startup);
            Find(ws2, "WSAStringToAddressW", found.parse);
            Find(ws2, "WSAGetLastError", found.lastError);
            Find(ws2, "WSACleanup", found.cleanup);
        }
        return found;
    }();
    return sockets;
}

}  // namespace

int CheckAddressWithSystem(const std::wstring& text, int family) {
    int af = 0;
    if (family == 0) {
        af = AF_INET;
    } else if (family == 1) {
        af = AF_INET6;
    } else {
        return -1;
    }
    const Sockets& sockets = LoadSockets();
    if (!sockets.startup || !sockets.parse || !sockets.lastError || !sockets.cleanup) {
        return WSASYSNOTREADY;  // no parser to confirm the address
    }
    WSADATA data;
    if (sockets.startup(MAKEWORD(2, 2), &data) != 0) {
        return sockets.lastError();
    }
    std::wstring copy = text;  // the parser takes a writable string
    alignas(8) char buffer[4096] = {};
    INT length = sizeof buffer;
    const int rc =
        sockets.parse(copy.data(), af, nullptr, reinterpret_cast<LPSOCKADDR>(buffer), &length);
    const int error = rc == 0 ? 0 : sockets.lastError();
    sockets.cleanup();
    return error;
}

bool IsOSVersionAtLeast(unsigned major, unsigned minor) {
    // GetVersionEx reports a compatibility version to programs without a manifest; the
    // kernel's own call reports the real one.
    using RtlGetVersionFn = LONG(WINAPI*)(PRTL_OSVERSIONINFOW);
    RTL_OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto rtlGetVersion = ntdll ? reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(
                                           GetProcAddress(ntdll, "RtlGetVersion")))
                                     : nullptr;
    if (!rtlGetVersion || rtlGetVersion(&info) != 0) {
        return true;
    }
    return info.dwMajorVersion >= major && info.dwMinorVersion >= minor;
}

#else

int CheckAddressWithSystem(const std::wstring& text, int family) {
    int af = 0;
    if (family == 0) {
        af = AF_INET;
    } else if (family == 1) {
        af = AF_INET6;
    } else {
        return -1;
    }
    std::string narrow;
    for (wchar_t c : text) {
        if (c <= 0 || c > 0x7e) {
            return EINVAL;  // the parser knows only ASCII
        }
        narrow += static_cast<char>(c);
    }
    unsigned char buffer[sizeof(struct in6_addr)];
    return inet_pton(af, narrow.c_str(), buffer) == 1 ? 0 : EINVAL;
}

bool IsOSVersionAtLeast(unsigned, unsigned) {
    return true;
}

#endif

}  // namespace address
