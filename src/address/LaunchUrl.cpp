#include "address/LaunchUrl.h"

#include "address/AddressChecks.h"

namespace address {

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
