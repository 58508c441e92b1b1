#pragma once
// The checks an address page makes: the IPv4 octet rows, the IPv6 entries, and the
// platform parser's verdict. Each check returns what failed; the page shows it.

#include <array>
#include <optional>
#include <string>

namespace address {

// Address mode of an address page; also the family for the parser check.
enum AddressMode { kModeIPv4 = 0, kModeIPv6 = 1 };

// 0 when the text passes the wizard's own IPv6 character rules, -1 when it does not.
int CheckIPv6Syntax(const std::wstring& text);

// 0 when the platform's text-to-address parser accepts the text for the family (0 IPv4,
// 1 IPv6), otherwise a non-zero error code; -1 for any other family.
int CheckAddressWithSystem(const std::wstring& text, int family);

// Whether the operating system's version is at least major.minor, each field compared on
// its own. Only Windows has a version that matters here; elsewhere it is always true.
bool IsOSVersionAtLeast(unsigned major, unsigned minor);

// Leading and trailing white space removed.
std::wstring Trim(const std::wstring& text);

using Octets = std::array<int, 4>;

// "%d.%d.%d.%d": leading zeros typed by the user disappear.
std::wstring DottedText(const Octets& octets);

enum class Ipv4Row { Address, Mask, Gateway };

struct Ipv4Rows {
    Octets address{};
    Octets mask{};
    Octets gateway{};
};

struct Ipv4Failure {
    int messageId;
    std::wstring argument;  // the row's dotted text
    Ipv4Row row;
    int octet;  // 0 to 3: the box that gets the focus
};

// Address, mask and gateway rows in that order; the first invalid row (all zeros, or an
// octet over 255) is reported with the first octet over 255 to focus, else the first.
std::optional<Ipv4Failure> CheckIpv4Rows(const Ipv4Rows& rows);

enum class Ipv6Box { Address, Prefix, Gateway };

struct Ipv6Entries {
    std::wstring address;  // box texts as typed
    std::wstring prefixText;
    int prefix = 0;  // the prefix box's integer value
    std::wstring gateway;
};

struct Ipv6Failure {
    int messageId;
    std::wstring argument;
    Ipv6Box focus;
};

// The IPv6 checks at Next, on the trimmed texts, in their order.
std::optional<Ipv6Failure> CheckIpv6Entries(const Ipv6Entries& entries);

// The live check while typing: true when the untrimmed text fails the syntax rules.
bool LiveIPv6CheckFails(const std::wstring& text);

// True when the parser's verdict on the address rejects it and that verdict counts, so
// the user must confirm before it is written.
bool ParserRejects(const std::wstring& address, int mode);

// The question put to the user then: the address followed directly by string 144, two
// line breaks and the OK/CANCEL sentence.
std::wstring ParserConfirmationText(const std::wstring& address);

}  // namespace address
