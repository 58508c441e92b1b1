#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tests
