#include "address/LaunchUrl.h"

#include "address/AddressChecks.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace address {
namespace {

// The URL as it can be shown in a message: no control characters, and not endless.
std::wstring Printable(const std::wstring& url) {
    std::wstring out = url.substr(0, 256);
    for (wchar_t& c : out) {
        if (c < 0x20 || c == 0x7f) {
            c = L'?';
        }
    }
    return url.size() > out.size() ? out + L"..." : out;
}

}  // namespace

std::optional<std::wstring> OpenLaunchUrl(const std::wstring& url) {
    const std::optional<std::wstring> safe = SafeLaunchUrl(url);
    if (safe && platform::Current().OpenUrl(*safe)) {
        return std::nullopt;
    }
    // The address part, to tell no address (nothing, brackets alone, the placeholder of an
    // entry not reported) from an address.
    std::wstring host =
        url.substr(url.find(L"://") == std::wstring::npos ? 0 : url.find(L"://") + 3);
    if (host.size() >= 8 && host.compare(host.size() - 8, 8, L"/service") == 0) {
        host.erase(host.size() - 8);
    }
    host = Trim(host);
    if (host.size() >= 2 && host.front() == L'[' && host.back() == L']') {
        host = Trim(host.substr(1, host.size() - 2));
    }
    if (host.empty() || host == L"x") {
        return platform::LoadText(IDS_FW_LAUNCH_NO_ADDRESS);
    }
    return platform::LoadFormatted(IDS_FW_LAUNCH_BY_HAND, {Printable(safe.value_or(url))});
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
    bool literal = false;
    if (host.size() > 2 && host.front() == L'[' && host.back() == L']') {
        literal = CheckAddressWithSystem(host.substr(1, host.size() - 2), kModeIPv6) == 0;
    } else {
        literal = !host.empty() && CheckAddressWithSystem(host, kModeIPv4) == 0;
    }
    if (!literal) {
        return std::nullopt;
    }
    return scheme + host + path;
}

}  // namespace address
