#include "address/LaunchUrl.h"

#include "address/AddressChecks.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace address {
namespace {

bool IsDecimal(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool IsHex(wchar_t c) {
    return IsDecimal(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

// The 16-bit groups of colon-separated text, the last possibly an IPv4 literal (two groups);
// -1 when a field is neither. Empty text has none.
int Groups(std::wstring_view text, bool ipv4Last) {
    if (text.empty()) {
        return 0;
    }
    int groups = 0;
    for (;;) {
        const std::size_t colon = text.find(L':');
        const std::wstring_view field = text.substr(0, colon);
        if (colon == std::wstring_view::npos && ipv4Last &&
            field.find(L'.') != std::wstring_view::npos) {
            return IsStrictIPv4(field) ? groups + 2 : -1;
        }
        if (field.empty() || field.size() > 4) {
            return -1;
        }
        for (wchar_t c : field) {
            if (!IsHex(c)) {
                return -1;
            }
        }
        ++groups;
        if (colon == std::wstring_view::npos) {
            return groups;
        }
        text.remove_prefix(colon + 1);
    }
}

}  // namespace

bool IsStrictIPv4(std::wstring_view text) {
    int octets = 0;
    for (;;) {
        const std::size_t dot = text.find(L'.');
        const std::wstring_view octet = text.substr(0, dot);
        if (octet.empty() || octet.size() > 3 || (octet.size() > 1 && octet[0] == L'0')) {
            return false;
        }
        int value = 0;
        for (wchar_t c : octet) {
            if (!IsDecimal(c)) {
                return false;
            }
            value = value * 10 + (c - L'0');
        }
        if (value > 255 || ++octets > 4) {
            return false;
        }
        if (dot == std::wstring_view::npos) {
            return octets == 4;
        }
        text.remove_prefix(dot + 1);
    }
}

bool IsStrictIPv6(std::wstring_view text) {
    const std::size_t gap = text.find(L"::");
    if (gap == std::wstring_view::npos) {
        return Groups(text, true) == 8;
    }
    if (text.find(L"::", gap + 1) != std::wstring_view::npos) {
        return false;
    }
    const int before = Groups(text.substr(0, gap), false);
    const int after = Groups(text.substr(gap + 2), true);
    return before >= 0 && after >= 0 && before + after <= 7;
}

std::optional<std::wstring> OpenLaunchUrl(const std::wstring& url) {
    const std::optional<std::wstring> safe = SafeLaunchUrl(url);
    if (!safe) {
        // Not a browser's failure: there is nothing valid to hand to one, nor to the user.
        return platform::LoadText(IDS_FW_LAUNCH_NO_ADDRESS);
    }
    if (platform::Current().OpenUrl(*safe)) {
        return std::nullopt;
    }
    return platform::LoadFormatted(IDS_FW_LAUNCH_BY_HAND, {*safe});
}

std::optional<std::wstring> SafeLaunchUrl(const std::wstring& url) {
    std::wstring scheme;
    for (const wchar_t* candidate : {L"https://", L"http://"}) {
        if (url.rfind(candidate, 0) == 0) {
            scheme = candidate;
            break;
        }
    }
    if (scheme.empty()) {
        return std::nullopt;
    }
    std::wstring rest = url.substr(scheme.size());
    std::wstring path;
    const std::wstring service = L"/service";
    if (rest.size() >= service.size() &&
        rest.compare(rest.size() - service.size(), service.size(), service) == 0) {
        path = service;
        rest.erase(rest.size() - service.size());
    }
    const std::wstring host = Trim(rest);
    const bool bracketed = host.size() > 2 && host.front() == L'[' && host.back() == L']';
    const bool literal = bracketed
                             ? IsStrictIPv6(std::wstring_view(host).substr(1, host.size() - 2))
                             : IsStrictIPv4(host);
    if (!literal) {
        return std::nullopt;
    }
    return scheme + host + path;
}

}  // namespace address
