// Typed text for the IPv6 boxes (address, prefix, gateway as three lines), the live check,
// and launch URLs built from reported addresses.
#include <cstddef>
#include <cstdint>
#include <string>

#include "address/AddressChecks.h"
#include "address/LaunchUrl.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring whole;
    std::wstring parts[3];
    int part = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const wchar_t c = static_cast<wchar_t>(data[i]);
        whole += c;
        if (c == L'\n' && part < 2) {
            ++part;
        } else {
            parts[part] += c;
        }
    }
    const int syntax = address::CheckIPv6Syntax(whole);
    if (syntax != 0 && syntax != -1) {
        __builtin_trap();
    }
    address::LiveIPv6CheckFails(whole);
    address::Ipv6Entries entries{parts[0], parts[1], static_cast<int>(parts[1].size()) * 50,
                                 parts[2]};
    address::CheckIpv6Entries(entries);
    address::CheckAddressWithSystem(whole, data[0] % 3);
    if (const auto url = address::SafeLaunchUrl(L"https://" + whole)) {
        // Whatever is opened is a scheme and an IP literal: no blank, no user part.
        if (url->find(L' ') != std::wstring::npos || url->find(L'@') != std::wstring::npos) {
            __builtin_trap();
        }
    }
    return 0;
}
