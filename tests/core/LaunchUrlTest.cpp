#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "address/LaunchUrl.h"

namespace tests {
namespace {

TEST(SafeLaunchUrl, OnlyIpLiteralsAreOpened) {
    struct Case {
        const wchar_t* url;
        const wchar_t* opened;  // nullptr: not opened
    };
    const Case cases[] = {
        {L"https://192.168.1.50", L"https://192.168.1.50"},
        {L"http://10.0.0.5/service", L"http://10.0.0.5/service"},
        {L"https://[fd00::5]", L"https://[fd00::5]"},
        {L"http://[2001:db8::1]/service", L"http://[2001:db8::1]/service"},
        {L"https:// 10.0.0.5 ", L"https://10.0.0.5"},
        {L"https://", nullptr},
        {L"http:///service", nullptr},
        {L"https://x", nullptr},
        {L"https://[]", nullptr},
        {L"https://[x]", nullptr},
        {L"https://example.com", nullptr},
        {L"https://10.0.0.5@evil", nullptr},
        {L"https://10.0.0.5/../x", nullptr},
        {L"https://10.0.0 .5", nullptr},
        {L"https://10.0.0.5/service/service", nullptr},
        {L"file:///etc/passwd", nullptr},
        {L"https://fd00::5", nullptr},
        // What one system's parser reads as another host, a port or a zone, and another's
        // refuses: none of it is opened anywhere.
        {L"https://1.2.3.4:8080", nullptr},
        {L"https://1.2.3", nullptr},
        {L"https://0x7f.1", nullptr},
        {L"https://010.0.0.1", nullptr},
        {L"https://1.2.3.4@evil.example", nullptr},
        {L"https://[fe80::1%4]", nullptr},
        {L"https://[2001:db8::50]:8443", nullptr},
        {L"https://[[2001:db8::50]]", nullptr},
        {L"https://[::ffff:10.0.0.1]", L"https://[::ffff:10.0.0.1]"},
    };
    for (const Case& c : cases) {
        const auto opened = address::SafeLaunchUrl(c.url);
        if (c.opened) {
            ASSERT_TRUE(opened.has_value()) << std::string(c.url, c.url + wcslen(c.url));
            EXPECT_EQ(*opened, c.opened);
        } else {
            EXPECT_FALSE(opened.has_value()) << std::string(c.url, c.url + wcslen(c.url));
        }
    }
}

TEST(LaunchUrl, StrictLiterals) {
    const std::pair<const wchar_t*, bool> ipv4[] = {
        {L"0.0.0.0", true},       {L"255.255.255.255", true}, {L"10.0.0.1", true},
        {L"256.0.0.1", false},    {L"1.2.3", false},          {L"1.2.3.4.5", false},
        {L"01.2.3.4", false},     {L"1.2.3.00", false},       {L"0x7f.0.0.1", false},
        {L"1.2.3.4 ", false},     {L"1..3.4", false},         {L"", false},
        {L"1.2.3.4:80", false},   {L"+1.2.3.4", false},       {L"1.2.3.1000", false},
        {L"\x0661.2.3.4", false},
    };
    for (const auto& [text, valid] : ipv4) {
        EXPECT_EQ(address::IsStrictIPv4(text), valid) << std::string(text, text + wcslen(text));
    }
    const std::pair<const wchar_t*, bool> ipv6[] = {
        {L"::", true},
        {L"::1", true},
        {L"1::", true},
        {L"2001:DB8::50", true},
        {L"1:2:3:4:5:6:7:8", true},
        {L"1:2:3:4:5:6:1.2.3.4", true},
        {L"::ffff:192.168.1.1", true},
        {L"1::2:3:4:5:6:7", true},
        {L"1:2:3:4:5:6:7::", true},
        {L"ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff", true},
        {L"1:2:3:4:5:6:7", false},
        {L"1:2:3:4:5:6:7:8:9", false},
        {L"1::2:3:4:5:6:7:8", false},
        {L"1::2::3", false},
        {L":::", false},
        {L":1:2:3:4:5:6:7", false},
        {L"1:2:3:4:5:6:7:", false},
        {L"12345::", false},
        {L"fe80::1%4", false},
        {L"::ffff:010.0.0.1", false},
        {L"1.2.3.4::", false},
        {L"::1.2.3", false},
        {L"g::", false},
        {L"[::1]", false},
        {L"", false},
    };
    for (const auto& [text, valid] : ipv6) {
        EXPECT_EQ(address::IsStrictIPv6(text), valid) << std::string(text, text + wcslen(text));
    }
}

// The user hears of a browser that did not start only with an address that passed the check;
// anything else is no valid address reported.
TEST(LaunchUrl, MessagesSayWhatWentWrong) {
    tests::FakePlatform fake;
    fake.browserAnswers = false;
    EXPECT_EQ(address::OpenLaunchUrl(L"https://1.2.3.4@evil.example"), L"#9032");
    EXPECT_EQ(address::OpenLaunchUrl(L"https://"), L"#9032");
    EXPECT_TRUE(fake.launches.empty());
    fake.strings[9031] = L"open %1 yourself";
    EXPECT_EQ(address::OpenLaunchUrl(L"http:// 10.0.0.5 /service"),
              L"open http://10.0.0.5/service yourself");
    fake.browserAnswers = true;
    EXPECT_EQ(address::OpenLaunchUrl(L"https://[2001:db8::5]"), std::nullopt);
    EXPECT_EQ(fake.launches.back(), L"https://[2001:db8::5]");
}

}  // namespace
}  // namespace tests
