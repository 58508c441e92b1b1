#include "address/AddressChecks.h"

#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace address {
namespace {

const wchar_t kWhiteSpace[] = L" \t\r\n\v\f";

bool IsHexDigit(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

std::optional<Ipv4Failure> CheckRow(const Octets& octets, int messageId, Ipv4Row row) {
    bool allZero = true;
    int over = -1;
    for (int i = 0; i < 4; ++i) {
        allZero = allZero && octets[i] == 0;
        // A box that holds a sign (pasted: Windows' digits-only boxes take pastes) is no
        // octet either.
        if (over < 0 && (octets[i] > 255 || octets[i] < 0)) {
            over = i;
        }
    }
    if (!allZero && over < 0) {
        return std::nullopt;
    }
    return Ipv4Failure{messageId, DottedText(octets), row, over < 0 ? 0 : over};
}

}  // namespace

int CheckIPv6Syntax(const std::wstring& text) {
    int colons = 0;
    int group = 0;
    for (wchar_t c : text) {
        if (c == L':') {
            group = 0;
            if (++colons > 7) {
                return -1;
            }
        } else if (!IsHexDigit(c) || ++group > 4) {
            return -1;
        }
    }
    const std::size_t first = text.find(L"::");
    if (first != std::wstring::npos && text.find(L"::", first + 1) != std::wstring::npos) {
        return -1;
    }
    return 0;
}

std::wstring Trim(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::wstring::npos) {
        return std::wstring();
    }
    return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

std::wstring DottedText(const Octets& o) {
    return std::to_wstring(o[0]) + L"." + std::to_wstring(o[1]) + L"." + std::to_wstring(o[2]) +
           L"." + std::to_wstring(o[3]);
}

std::optional<Ipv4Failure> CheckIpv4Rows(const Ipv4Rows& rows) {
    if (auto failure = CheckRow(rows.address, IDS_INVALID_ADDRESS, Ipv4Row::Address)) {
        return failure;
    }
    if (auto failure = CheckRow(rows.mask, IDS_INVALID_MASK, Ipv4Row::Mask)) {
        return failure;
    }
    return CheckRow(rows.gateway, IDS_INVALID_GATEWAY, Ipv4Row::Gateway);
}

std::optional<Ipv6Failure> CheckIpv6Entries(const Ipv6Entries& entries) {
    const std::wstring address = Trim(entries.address);
    const std::wstring prefix = Trim(entries.prefixText);
    const std::wstring gateway = Trim(entries.gateway);
    if (address.empty()) {
        return Ipv6Failure{IDS_EMPTY_ADDRESS, std::wstring(), Ipv6Box::Address};
    }
    if (address == L"::" || CheckIPv6Syntax(address) != 0) {
        return Ipv6Failure{IDS_INVALID_ADDRESS, address, Ipv6Box::Address};
    }
    // Digits only: a pasted "-1" or "+5" reads as a number but would be written as typed.
    if (entries.prefix > 127 || prefix.find_first_not_of(L"0123456789") != std::wstring::npos) {
        return Ipv6Failure{IDS_INVALID_PREFIX, prefix, Ipv6Box::Prefix};
    }
    if (gateway.empty()) {
        return Ipv6Failure{IDS_EMPTY_GATEWAY, std::wstring(), Ipv6Box::Gateway};
    }
    if (gateway == L"::" || CheckIPv6Syntax(gateway) != 0) {
        return Ipv6Failure{IDS_INVALID_GATEWAY, gateway, Ipv6Box::Gateway};
    }
    return std::nullopt;
}

bool LiveIPv6CheckFails(const std::wstring& text) {
    return !text.empty() && CheckIPv6Syntax(text) != 0;
}

bool ParserRejects(const std::wstring& address, int mode) {
    return CheckAddressWithSystem(address, mode) != 0 && IsOSVersionAtLeast(6, 0);
}

std::wstring ParserConfirmationText(const std::wstring& address) {
    platform::Platform& p = platform::Current();
    return address + p.LoadString(IDS_CANNOT_VALIDATE) + L"\n\n" +
           p.LoadString(IDS_FW_CONFIRM_PROCEED);
}

}  // namespace address
