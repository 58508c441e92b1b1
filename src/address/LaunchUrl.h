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

// Opens a launch URL in the browser. When the check refuses it, or no browser takes it, the
// user is told which address to open by hand (or that the system reported none): a click
// never silently does nothing. Returns whether the browser took the URL.
bool OpenLaunchUrl(const std::wstring& url);

}  // namespace address
