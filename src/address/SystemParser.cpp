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
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <cerrno>
#endif

#include "address/AddressChecks.h"

namespace address {

#ifdef _WIN32

int CheckAddressWithSystem(const std::wstring& text, int family) {
    int af = 0;
    if (family == 0) {
        af = AF_INET;
    } else if (family == 1) {
        af = AF_INET6;
    } else {
        return -1;
    }
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        return WSAGetLastError();
    }
    std::wstring copy = text;  // the parser takes a writable string
    alignas(8) char buffer[4096] = {};
    INT length = sizeof buffer;
    const int rc = WSAStringToAddressW(copy.data(), af, nullptr,
                                       reinterpret_cast<LPSOCKADDR>(buffer), &length);
    const int error = rc == 0 ? 0 : WSAGetLastError();
    WSACleanup();
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
