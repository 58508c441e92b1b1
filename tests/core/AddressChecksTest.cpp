#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "address/AddressChecks.h"
#include "address/IPAddress.h"

namespace tests {
namespace {

using namespace address;

TEST(CheckIPv6Syntax, Rules) {
    struct Case {
        const wchar_t* text;
        int result;
    };
    const Case cases[] = {
        {L"", 0},
        {L"2001:db8::1", 0},
        {L"2001:DB8::FE", 0},
        {L"::", 0},
        {L"1:2", 0},
        {L":1", 0},
        {L"1:", 0},
        {L"1:2:3:4:5:6:7:8", 0},
        {L"ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff", 0},
        {L"1:2:3:4:5:6:7::", -1},  // eight colons
        {L"::1:2:3:4:5:6:7", -1},
        {L":::", -1},
        {L"1::2::3", -1},
        {L"fe80::1::2", -1},
        {L"12345::1", -1},        // five digits in a group
        {L"::ffff:1.2.3.4", -1},  // a dot is not a hexadecimal digit
        {L"fe80::1%eth0", -1},
        {L" ::1", -1},
        {L"[::1]", -1},
        {L"g::1", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckIPv6Syntax(c.text), c.result)
            << std::string(c.text, c.text + wcslen(c.text));
    }
}

TEST(CheckAddressWithSystem, UsesThePlatformParser) {
    EXPECT_EQ(CheckAddressWithSystem(L"192.168.1.50", kModeIPv4), 0);
    EXPECT_EQ(CheckAddressWithSystem(L"2001:db8::1", kModeIPv6), 0);
    EXPECT_NE(CheckAddressWithSystem(L"1:2", kModeIPv6), 0);
    EXPECT_NE(CheckAddressWithSystem(L"192.168.1.50", kModeIPv6), 0);
    EXPECT_NE(CheckAddressWithSystem(L"\u00e91::1", kModeIPv6), 0);
    EXPECT_EQ(CheckAddressWithSystem(L"192.168.1.50", 2), -1);
    EXPECT_EQ(CheckAddressWithSystem(L"::1", -1), -1);
}

TEST(Ipv4Rows, FirstFailingRowWithItsFocus) {
    struct Case {
        Ipv4Rows rows;
        int messageId;  // 0: accepted
        const wchar_t* argument;
        Ipv4Row row;
        int octet;
    };
    const Octets mask{255, 255, 255, 0};
    const Octets zero{0, 0, 0, 0};
    const Case cases[] = {
        {{zero, mask, zero}, 139, L"0.0.0.0", Ipv4Row::Address, 0},
        {{{10, 0, 0, 300}, mask, {10, 0, 0, 1}}, 139, L"10.0.0.300", Ipv4Row::Address, 3},
        {{{256, 999, 1, 1}, mask, {1, 1, 1, 1}}, 139, L"256.999.1.1", Ipv4Row::Address, 0},
        {{{1, 999, 256, 1}, mask, {1, 1, 1, 1}}, 139, L"1.999.256.1", Ipv4Row::Address, 1},
        {{{192, 168, 1, 10}, zero, zero}, 140, L"0.0.0.0", Ipv4Row::Mask, 0},
        {{{192, 168, 1, 10}, {255, 255, 256, 0}, zero}, 140, L"255.255.256.0", Ipv4Row::Mask, 2},
        {{{192, 168, 1, 10}, mask, zero}, 143, L"0.0.0.0", Ipv4Row::Gateway, 0},
        {{{192, 168, 1, 10}, mask, {1, 2, 3, 999}}, 143, L"1.2.3.999", Ipv4Row::Gateway, 3},
        // A sign pasted into a box: never written as an octet.
        {{{-1, 168, 1, 10}, mask, {1, 2, 3, 4}}, 139, L"-1.168.1.10", Ipv4Row::Address, 0},
        {{{192, 168, 1, 10}, {255, 255, -255, 0}, zero}, 140, L"255.255.-255.0", Ipv4Row::Mask, 2},
        {{{192, 168, 1, 10}, {255, 0, 255, 0}, {1, 2, 3, 4}}, 0, L"", Ipv4Row::Address, 0},
        {{{0, 0, 0, 1}, {0, 0, 0, 255}, {0, 0, 0, 1}}, 0, L"", Ipv4Row::Address, 0},
        {{{255, 255, 255, 255}, {255, 255, 255, 255}, {255, 255, 255, 255}},
         0,
         L"",
         Ipv4Row::Address,
         0},
    };
    for (const Case& c : cases) {
        const auto failure = CheckIpv4Rows(c.rows);
        if (c.messageId == 0) {
            EXPECT_FALSE(failure.has_value()) << DottedText(c.rows.address).c_str();
            continue;
        }
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->messageId, c.messageId);
        EXPECT_EQ(failure->argument, c.argument);
        EXPECT_EQ(failure->row, c.row);
        EXPECT_EQ(failure->octet, c.octet);
    }
    EXPECT_EQ(DottedText({7, 10, 0, 255}), L"7.10.0.255");
}

TEST(Ipv6Entries, StepsInOrder) {
    struct Case {
        Ipv6Entries entries;
        int messageId;  // 0: accepted
        const wchar_t* argument;
        Ipv6Box focus;
    };
    const Case cases[] = {
        {{L"2001:db8::1", L"64", 64, L"2001:db8::fe"}, 0, L"", Ipv6Box::Address},
        {{L"  \t", L"64", 64, L""}, 141, L"", Ipv6Box::Address},
        {{L" :: ", L"999", 999, L""}, 139, L"::", Ipv6Box::Address},
        {{L"fe80::1::2", L"999", 999, L""}, 139, L"fe80::1::2", Ipv6Box::Address},
        {{L"1:2:3:4:5:6:7::", L"64", 64, L"::1"}, 139, L"1:2:3:4:5:6:7::", Ipv6Box::Address},
        {{L"fd00:: 1", L"64", 64, L"::1"}, 139, L"fd00:: 1", Ipv6Box::Address},
        {{L"fd00::1", L" 128", 128, L""}, 170, L"128", Ipv6Box::Prefix},
        {{L"fd00::1", L"-1", -1, L"::1"}, 170, L"-1", Ipv6Box::Prefix},
        {{L"fd00::1", L"+64", 64, L"::1"}, 170, L"+64", Ipv6Box::Prefix},
        {{L"fd00::1", L"127", 127, L""}, 169, L"", Ipv6Box::Gateway},
        {{L"fd00::1", L"0", 0, L"::"}, 143, L"::", Ipv6Box::Gateway},
        {{L"fd00::1", L"0", 0, L" fd00::1::2 "}, 143, L"fd00::1::2", Ipv6Box::Gateway},
        {{L" 1:2 ", L"0", 0, L"fd00::fe"}, 0, L"", Ipv6Box::Address},
    };
    for (const Case& c : cases) {
        const auto failure = CheckIpv6Entries(c.entries);
        if (c.messageId == 0) {
            EXPECT_FALSE(failure.has_value());
            continue;
        }
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->messageId, c.messageId);
        EXPECT_EQ(failure->argument, c.argument);
        EXPECT_EQ(failure->focus, c.focus);
    }
}

TEST(LiveIPv6Check, UntrimmedAndSilentWhenEmpty) {
    EXPECT_FALSE(LiveIPv6CheckFails(L""));
    EXPECT_FALSE(LiveIPv6CheckFails(L"::"));
    EXPECT_FALSE(LiveIPv6CheckFails(L"fe80::1:"));
    EXPECT_TRUE(LiveIPv6CheckFails(L"fe80::1::"));
    EXPECT_TRUE(LiveIPv6CheckFails(L"fe80 "));
    EXPECT_TRUE(LiveIPv6CheckFails(L"12345"));
}

TEST(ParserCheck, ConfirmationText) {
    tests::FakePlatform fake;
    fake.strings[144] = L"IP address cannot be validated.";
    fake.strings[9002] = L"Click OK to proceed or CANCEL to re-enter the IP address.";
    EXPECT_EQ(ParserConfirmationText(L"1:2"),
              L"1:2IP address cannot be validated.\n\nClick OK to proceed or CANCEL to re-enter "
              L"the IP address.");
    EXPECT_TRUE(ParserRejects(L"1:2", kModeIPv6));
    EXPECT_FALSE(ParserRejects(L"2001:db8::1", kModeIPv6));
    EXPECT_FALSE(ParserRejects(L"10.0.0.1", kModeIPv4));
}

TEST(IPAddress, SameSubnetAndValidate) {
    using IPAddress::SubnetMask;
    const std::uint32_t a = 0xC0A8010A;  // 192.168.1.10
    EXPECT_TRUE(SubnetMask(0).isSameSubnet(a, 0x0A000001));
    EXPECT_TRUE(SubnetMask(0xFFFFFFFF).isSameSubnet(a, a));
    EXPECT_FALSE(SubnetMask(0xFFFFFFFF).isSameSubnet(a, a + 1));
    EXPECT_TRUE(SubnetMask(0xFFFFFF00).isSameSubnet(a, 0xC0A801FE));
    EXPECT_FALSE(SubnetMask(0xFFFFFF00).isSameSubnet(a, 0xC0A802FE));
    // 255.0.255.0 compares the first and third octets only.
    EXPECT_TRUE(SubnetMask(0xFF00FF00).isSameSubnet(0xC0A8010A, 0xC0000101));
    EXPECT_FALSE(SubnetMask(0xFF00FF00).isSameSubnet(0xC0A8010A, 0xC0A8020A));

    try {
        IPAddress::Address(0).validate();
        FAIL() << "an all-zero address must not validate";
    } catch (const IPAddress::Exception& e) {
        EXPECT_EQ(e.message(), "Address is all 0's");
        EXPECT_EQ(e.code(), 3);
        EXPECT_NE(dynamic_cast<const IPAddress::InvalidAddressException*>(&e), nullptr);
    }
    EXPECT_NO_THROW(SubnetMask(0).validate());
    EXPECT_NO_THROW(IPAddress::Address(1).validate());
    EXPECT_EQ(IPAddress::ToDotted(0xC0A8010A), "192.168.1.10");
    EXPECT_EQ(IPAddress::ToDotted(0), "0.0.0.0");
}

}  // namespace
}  // namespace tests
