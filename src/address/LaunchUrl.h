#pragma once
// Launch addresses come from text on a removable key. A launch URL is opened only when its
// address is an IP literal in the one strict form every browser reads alike, on every
// system.

#include <optional>
#include <string>
#include <string_view>

namespace address {

// Exactly four decimal octets 0-255, without leading zeros ("10.0.0.1", never "010.0.0.1",
// "1.2.3", "0x7f.1" or "1.2.3.4:8080").
bool IsStrictIPv4(std::wstring_view text);
// Eight groups of one to four hex digits, one "::" standing for one or more groups of zeros,
// the last two groups possibly a strict IPv4 literal; no zone, port or brackets.
bool IsStrictIPv6(std::wstring_view text);

// `url` is a scheme ("http://" or "https://"), an address and optionally "/service". Returns
// the URL to open, with white space around the address removed, or nothing when the
// address is anything but a strict IPv4 literal or a bracketed strict IPv6 literal.
std::optional<std::wstring> SafeLaunchUrl(const std::wstring& url);

// Opens a launch URL in the browser. Returns nothing when the browser took it; otherwise
// what the user must be told, for the window that asked to show: that the system reported
// no valid address to open (nothing, brackets alone, the placeholder of an address not
// reported, or anything the check above refuses), or, when the browser would not start,
// which address to open by hand. A click never silently does nothing.
std::optional<std::wstring> OpenLaunchUrl(const std::wstring& url);

}  // namespace address
