#pragma once
// Launch addresses come from text on a removable key. A launch URL is opened only when its
// address is an IPv4 literal or a bracketed IPv6 literal.

#include <optional>
#include <string>

namespace address {

// `url` is a scheme ("http://" or "https://"), an address and optionally "/service". Returns
// the URL to open, with white space around the address removed, or nothing when the
// address is anything but an IP literal.
std::optional<std::wstring> SafeLaunchUrl(const std::wstring& url);

// Opens a launch URL in the browser. Returns nothing when the browser took it; otherwise
// what the user must be told, for the window that asked to show: which address to open by
// hand, or that the system reported none (an empty address, brackets alone, or the
// placeholder of an address not reported). A click never silently does nothing.
std::optional<std::wstring> OpenLaunchUrl(const std::wstring& url);

}  // namespace address
