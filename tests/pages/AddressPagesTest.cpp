// The new-system and service-IP pages on every backend: the IPv4 rows and the IPv6 boxes,
// refused in their order with their message and focus, and the bytes each task writes.
#include <filesystem>
#include <functional>

#include "PageTest.h"

namespace tests {
namespace {

using Row = std::array<const wchar_t*, 4>;

class AddressPages : public PageLogic {
  protected:
    // Page 1 or 4, reached from the main menu.
    ShownSheet OpenPage(int index) {
        auto sheet = Open(kPageMain);
        driver->Click(sheet->m_pageMain, index == kPageConfigIP
                                             ? CMyPropertyPageMain::IDC_NEW_SYSTEM
                                             : CMyPropertyPageMain::IDC_SERVICE_IP);
        Next(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), index);
        return sheet;
    }
    static std::wstring RowText(framework::CPropertyPageEx& page, const std::array<int, 4>& ids) {
        return page.Ctl().Text(ids[0]) + L'.' + page.Ctl().Text(ids[1]) + L'.' +
               page.Ctl().Text(ids[2]) + L'.' + page.Ctl().Text(ids[3]);
    }
};

// The rows are checked in their order; a refused row names itself, and the focus goes to its
// first box over 255 (or its first box, for 0.0.0.0).
TEST_F(AddressPages, Ipv4RowsRefusedWithMessageAndFocus) {
    struct Case {
        Row address, mask, gateway;
        int messageId;
        const wchar_t* argument;
        int row;  // 0 address, 1 mask, 2 gateway
        int octet;
    };
    const Case cases[] = {
        {{L"0", L"0", L"0", L"0"}, {L"255", L"255", L"255", L"0"}, {}, 139, L"0.0.0.0", 0, 0},
        {{L"10", L"0", L"0", L"300"}, {L"255", L"255", L"255", L"0"}, {}, 139, L"10.0.0.300", 0, 3},
        {{L"256", L"999", L"1", L"1"},
         {L"255", L"255", L"255", L"0"},
         {},
         139,
         L"256.999.1.1",
         0,
         0},
        {{L"10", L"0", L"0", L"1"}, {L"0", L"0", L"0", L"0"}, {}, 140, L"0.0.0.0", 1, 0},
        {{L"10", L"0", L"0", L"1"}, {L"255", L"0", L"256", L"0"}, {}, 140, L"255.0.256.0", 1, 2},
        {{L"10", L"0", L"0", L"1"},
         {L"255", L"0", L"0", L"0"},
         {L"0", L"0", L"0", L"0"},
         143,
         L"0.0.0.0",
         2,
         0},
        {{L"10", L"0", L"0", L"1"},
         {L"255", L"0", L"0", L"0"},
         {L"10", L"0", L"0", L"999"},
         143,
         L"10.0.0.999",
         2,
         3},
    };
    for (int index : {kPageConfigIP, kPageResetIP}) {
        const AddressBoxes boxes = BoxesOf(index);
        const std::array<std::array<int, 4>, 3> rows{boxes.address, boxes.mask, boxes.gateway};
        for (const Case& c : cases) {
            SCOPED_TRACE(Narrow(c.argument));
            auto sheet = OpenPage(index);
            auto& page = *sheet->GetPage(index);
            TypeRow(page, rows[0], c.address);
            TypeRow(page, rows[1], c.mask);
            if (c.gateway[0]) {
                TypeRow(page, rows[2], c.gateway);
            }
            Next(*sheet);
            EXPECT_EQ(sheet->GetActiveIndex(), index);
            ExpectRefused(driver->Owner(page), platform::LoadFormatted(c.messageId, {c.argument}),
                          LoadToolTitle());
            EXPECT_EQ(driver->Focused(page), rows[c.row][c.octet]);
        }
    }
}

// The IPv6 steps in their order: empty address, "::", the syntax, the prefix over 127, empty
// gateway, "::"; the focus on the box to mend.
TEST_F(AddressPages, Ipv6StepsInOrder) {
    struct Case {
        const wchar_t *address, *prefix, *gateway;
        int messageId;
        const wchar_t* argument;  // nullptr: the text has no argument
        int box;                  // 0 address, 1 prefix, 2 gateway
    };
    const Case cases[] = {
        {L"   ", L"64", L"fd00::1", 141, nullptr, 0},
        {L" :: ", L"64", L"fd00::1", 139, L"::", 0},
        {L"fe80::1::2", L"64", L"fd00::1", 139, L"fe80::1::2", 0},
        {L"fd00::1", L"128", L"", 170, L"128", 1},
        {L"fd00::1", L"127", L"", 169, nullptr, 2},
        {L"fd00::1", L"0", L"::", 143, L"::", 2},
        {L"fd00::1", L"0", L"1:2:3:4:5:6:7::", 143, L"1:2:3:4:5:6:7::", 2},
    };
    for (int index : {kPageConfigIP, kPageResetIP}) {
        const AddressBoxes boxes = BoxesOf(index);
        const std::array<int, 3> ids{boxes.v6Address, boxes.prefix, boxes.v6Gateway};
        for (const Case& c : cases) {
            SCOPED_TRACE(Narrow(c.address));
            auto sheet = OpenPage(index);
            auto& page = *sheet->GetPage(index);
            driver->Click(page, boxes.ipv6);
            EXPECT_EQ(driver->Focused(page), boxes.v6Address);
            driver->Type(page, ids[0], c.address);
            driver->Type(page, ids[1], c.prefix);
            driver->Type(page, ids[2], c.gateway);
            fake.messages.clear();  // what the live check said while typing
            Next(*sheet);
            EXPECT_EQ(sheet->GetActiveIndex(), index);
            ExpectRefused(driver->Owner(page),
                          c.argument ? platform::LoadFormatted(c.messageId, {c.argument})
                                     : platform::LoadText(c.messageId));
            EXPECT_EQ(driver->Focused(page), ids[c.box]);
        }
    }
}

// The live check speaks as soon as the text fails, whoever changed it, and leaves it.
TEST_F(AddressPages, LiveCheckSpeaksAsSoonAsTheTextFails) {
    auto sheet = OpenPage(kPageConfigIP);
    auto& page = sheet->m_pageConfigIP;
    driver->Click(page, P1::IDC_IPV6);
    driver->Type(page, P1::IDC_V6_ADDRESS, L"fe80::1:");
    EXPECT_TRUE(fake.messages.empty());
    driver->Type(page, P1::IDC_V6_ADDRESS, L"fe80::1::");  // the second "::" is complete
    ExpectRefused(driver->Owner(page), platform::LoadFormatted(139, {L"fe80::1::"}));
    EXPECT_EQ(page.Ctl().Text(P1::IDC_V6_ADDRESS), L"fe80::1::");  // left as typed
    driver->Type(page, P1::IDC_V6_ADDRESS, L"");                   // emptying the box never speaks
    EXPECT_TRUE(fake.messages.empty());
    driver->Type(page, P1::IDC_V6_ADDRESS, L" ");  // not trimmed while typing
    ExpectRefused(driver->Owner(page), platform::LoadFormatted(139, {L" "}));
    driver->Type(page, P1::IDC_V6_GATEWAY, L"fd00 ");
    ExpectRefused(driver->Owner(page), platform::LoadFormatted(143, {L"fd00 "}));
}

// A box emptied (no integer) refuses Next and Back with the framework's message, the focus
// on that box.
TEST_F(AddressPages, AnEmptiedBoxIsRefusedOnNextAndBack) {
    for (bool back : {false, true}) {
        auto sheet = OpenPage(kPageConfigIP);
        auto& page = sheet->m_pageConfigIP;
        driver->Type(page, BoxesOf(kPageConfigIP).mask[2], L"");
        back ? Back(*sheet) : Next(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), kPageConfigIP);
        ExpectRefused(driver->Owner(page), platform::LoadText(IDS_FW_ENTER_INTEGER));
        EXPECT_EQ(driver->Focused(page), BoxesOf(kPageConfigIP).mask[2]);
    }
}

// The parser's verdict on an address the syntax check passes: OK writes it, Cancel stays
// with the focus on the address.
TEST_F(AddressPages, ParserConfirmationDecidesWhetherTheAddressIsWritten) {
    for (int answer : {platform::kAnswerCancel, platform::kAnswerOk}) {
        auto sheet = OpenPage(kPageConfigIP);
        auto& page = sheet->m_pageConfigIP;
        driver->Click(page, P1::IDC_IPV6);
        driver->Type(page, P1::IDC_V6_ADDRESS, L"1:2");
        driver->Type(page, P1::IDC_PREFIX, L"64");
        driver->Type(page, P1::IDC_V6_GATEWAY, L"1::1");
        fake.answers = {answer};
        Next(*sheet);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].buttons, platform::MessageButtons::OkCancel);
        EXPECT_EQ(fake.messages[0].text, L"1:2" + platform::LoadText(IDS_CANNOT_VALIDATE) +
                                             L"\n\n" + platform::LoadText(IDS_FW_CONFIRM_PROCEED));
        fake.messages.clear();
        if (answer == platform::kAnswerOk) {
            EXPECT_EQ(TempKey::Read("satask.txt"),
                      "satask mkcluster -clusterip_6 1:2 -gw_6 1::1 -prefix_6 64");
            EXPECT_EQ(sheet->GetActiveIndex(), kPageConfigIPDone);
        } else {
            EXPECT_FALSE(TempKey::Exists("satask.txt"));
            EXPECT_EQ(sheet->GetActiveIndex(), kPageConfigIP);
            EXPECT_EQ(driver->Focused(page), P1::IDC_V6_ADDRESS);
            EXPECT_EQ(page.Ctl().Text(P1::IDC_V6_ADDRESS), L"1:2");
        }
    }
}

// The address row fills the gateway row as it is typed: its first three octets, then 1; a
// gateway changed by hand is overwritten by a later change of the address.
TEST_F(AddressPages, TheAddressRowPrefillsTheGateway) {
    for (int index : {kPageConfigIP, kPageResetIP}) {
        auto sheet = OpenPage(index);
        auto& page = *sheet->GetPage(index);
        const AddressBoxes boxes = BoxesOf(index);
        EXPECT_EQ(RowText(page, boxes.gateway), L"0.0.0.0");
        TypeRow(page, boxes.address, {L"172", L"16", L"5", L"40"});
        EXPECT_EQ(RowText(page, boxes.gateway), L"172.16.5.1");
        driver->Type(page, boxes.gateway[2], L"99");
        driver->Type(page, boxes.address[3], L"7");
        EXPECT_EQ(RowText(page, boxes.gateway), L"172.16.99.1");
        driver->Type(page, boxes.address[2], L"6");
        EXPECT_EQ(RowText(page, boxes.gateway), L"172.16.6.1");
    }
}

// Switching modes resets what it should, and the values of the rows survive Back and Next.
TEST_F(AddressPages, SwitchingModesAndComingBack) {
    auto sheet = OpenPage(kPageConfigIP);
    auto& page = sheet->m_pageConfigIP;
    const AddressBoxes boxes = BoxesOf(kPageConfigIP);
    TypeRow(page, boxes.address, {L"10", L"2", L"3", L"4"});
    TypeRow(page, boxes.mask, {L"255", L"255", L"0", L"0"});
    driver->Click(page, P1::IDC_IPV6);
    EXPECT_EQ(page.Ctl().Text(P1::IDC_MASK_LABEL), platform::LoadText(IDS_PREFIX));
    EXPECT_EQ(page.Ctl().Text(P1::IDC_PREFIX), L"0");
    EXPECT_TRUE(page.Ctl().IsShown(P1::IDC_PREFIX));
    EXPECT_FALSE(page.Ctl().IsShown(boxes.address[0]));
    EXPECT_EQ(RowText(page, boxes.address), L"0.0.0.0");
    EXPECT_EQ(RowText(page, boxes.mask), L"255.255.255.0");
    driver->Type(page, P1::IDC_V6_ADDRESS, L"fd00::5");
    driver->Type(page, P1::IDC_PREFIX, L"48");
    driver->Click(page, P1::IDC_IPV4);
    EXPECT_EQ(page.Ctl().Text(P1::IDC_MASK_LABEL), platform::LoadText(IDS_SUBNET_MASK));
    EXPECT_EQ(page.Ctl().Text(P1::IDC_V6_ADDRESS), L"");
    EXPECT_EQ(page.Ctl().Text(P1::IDC_PREFIX), L"0");
    EXPECT_EQ(RowText(page, boxes.gateway), L"0.0.0.0");
    EXPECT_EQ(driver->Focused(page), boxes.address[0]);

    TypeRow(page, boxes.address, {L"10", L"2", L"3", L"4"});
    TypeRow(page, boxes.gateway, {L"10", L"2", L"3", L"254"});
    Back(*sheet);
    Next(*sheet);
    EXPECT_EQ(RowText(page, boxes.address), L"10.2.3.4");
    EXPECT_EQ(RowText(page, boxes.gateway), L"10.2.3.254");
}

// Reset to the default greys the rows out at their first values and writes the fixed
// command whatever they held; choosing to configure again brings IPv4 back.
TEST_F(AddressPages, ResetDefaultAndConfigureAgain) {
    auto sheet = OpenPage(kPageResetIP);
    auto& page = sheet->m_pageResetIP;
    const AddressBoxes boxes = BoxesOf(kPageResetIP);
    driver->Click(page, P4::IDC_IPV6);
    driver->Click(page, P4::IDC_RESET_DEFAULT);
    EXPECT_TRUE(page.Ctl().IsChecked(P4::IDC_IPV4));
    EXPECT_FALSE(page.Ctl().IsEnabled(boxes.address[0]));
    EXPECT_FALSE(page.Ctl().IsEnabled(P4::IDC_IPV6));
    EXPECT_EQ(RowText(page, boxes.address), L"0.0.0.0");
    EXPECT_EQ(RowText(page, boxes.mask), L"255.255.255.0");
    driver->Click(page, P4::IDC_CONFIGURE);
    EXPECT_TRUE(page.Ctl().IsEnabled(boxes.address[0]));
    EXPECT_TRUE(page.Ctl().IsShown(boxes.address[0]));
    EXPECT_EQ(driver->Focused(page), boxes.address[0]);
    TypeRow(page, boxes.address, {L"300", L"1", L"1", L"1"});  // not looked at by the reset
    driver->Click(page, P4::IDC_RESET_DEFAULT);
    Next(*sheet);
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask chserviceip -default");
    EXPECT_EQ(sheet->GetActiveIndex(), kPageResetIPDone);
}

// Every task the address pages write, byte for byte: leading zeros gone from the octets, any
// mask, IPv6 texts trimmed but kept as typed, the prefix as its text.
TEST_F(AddressPages, EveryTaskIsWrittenByteForByte) {
    struct Case {
        const char* name;
        int page;
        std::function<void(framework::CPropertyPageEx&, tests::PageDriver&)> fill;
        std::string satask;
    };
    auto row = [](int page, std::array<int, 4> AddressBoxes::*which, Row octets) {
        return [=](framework::CPropertyPageEx& p, tests::PageDriver& d) {
            const auto ids = BoxesOf(page).*which;
            for (int i = 0; i < 4; ++i) {
                d.Type(p, ids[i], octets[i]);
            }
        };
    };
    auto v6 = [](int page, const wchar_t* address, const wchar_t* prefix, const wchar_t* gateway) {
        return [=](framework::CPropertyPageEx& p, tests::PageDriver& d) {
            const AddressBoxes boxes = BoxesOf(page);
            d.Click(p, boxes.ipv6);
            d.Type(p, boxes.v6Address, address);
            d.Type(p, boxes.prefix, prefix);
            d.Type(p, boxes.v6Gateway, gateway);
        };
    };
    const Case cases[] = {
        {"new system, IPv4", kPageConfigIP,
         [&](framework::CPropertyPageEx& p, tests::PageDriver& d) {
             row(kPageConfigIP, &AddressBoxes::address, {L"192", L"168", L"001", L"010"})(p, d);
             row(kPageConfigIP, &AddressBoxes::mask, {L"255", L"0", L"255", L"0"})(p, d);
             row(kPageConfigIP, &AddressBoxes::gateway, {L"1", L"2", L"3", L"4"})(p, d);
         },
         "satask mkcluster -clusterip 192.168.1.10 -gw 1.2.3.4 -mask 255.0.255.0"},
        {"new system, IPv6", kPageConfigIP,
         v6(kPageConfigIP, L" 2001:DB8::50 ", L"064", L"2001:db8::1 "),
         "satask mkcluster -clusterip_6 2001:DB8::50 -gw_6 2001:db8::1 -prefix_6 064"},
        {"service IP, IPv4", kPageResetIP,
         row(kPageResetIP, &AddressBoxes::address, {L"10", L"1", L"2", L"30"}),
         "satask chserviceip -serviceip 10.1.2.30 -gw 10.1.2.1 -mask 255.255.255.0"},
        {"service IP, IPv6, the longest", kPageResetIP,
         v6(kPageResetIP, L"ffff:ffff:ffff:ffff:ffff:ffff:ffff:fff0", L"127",
            L"ffff:ffff:ffff:ffff:ffff:ffff:ffff:fffe"),
         "satask chserviceip -serviceip_6 ffff:ffff:ffff:ffff:ffff:ffff:ffff:fff0 -gw_6 "
         "ffff:ffff:ffff:ffff:ffff:ffff:ffff:fffe -prefix_6 127"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove("satask.txt");
        auto sheet = OpenPage(c.page);
        c.fill(*sheet->GetPage(c.page), *driver);
        fake.messages.clear();
        Next(*sheet);
        EXPECT_TRUE(fake.messages.empty());
        EXPECT_EQ(TempKey::Read("satask.txt"), c.satask);
        EXPECT_EQ(sheet->GetActiveIndex(), c.page + 1);
    }
}

// A task file that cannot be written keeps the page and what was typed; the writer's message
// names the cause and has no owner.
TEST_F(AddressPages, AWriteFailureKeepsThePageAndItsEntries) {
    std::filesystem::create_directory("satask.txt");
    auto sheet = OpenPage(kPageConfigIP);
    const AddressBoxes boxes = BoxesOf(kPageConfigIP);
    TypeRow(sheet->m_pageConfigIP, boxes.address, {L"192", L"168", L"1", L"50"});
    Next(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageConfigIP);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text,
              platform::LoadText(IDS_TASKFILE_OPEN_FAILED) + L"\n\n" +
                  platform::LoadFormatted(IDS_FW_FILE_NOT_A_FILE, {L"satask.txt"}));
    EXPECT_EQ(fake.messages[0].owner, nullptr);
    EXPECT_EQ(RowText(sheet->m_pageConfigIP, boxes.address), L"192.168.1.50");
}

}  // namespace
}  // namespace tests
