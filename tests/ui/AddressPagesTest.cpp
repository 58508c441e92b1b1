// The new-system and service-IP pages, typed into as a user would.
#include "UiTest.h"
#include "platform/Platform.h"
#include "wizard/PageIds.h"

namespace {

using namespace uitest;
using namespace wizard;
using testing_support::TempKey;
using P1 = CMyPropertyPageConfigIP;
using P4 = CMyPropertyPageResetIP;

const std::array<int, 4> kAddress1{P1::IDC_ADDRESS_OCTET1, P1::IDC_ADDRESS_OCTET2,
                                   P1::IDC_ADDRESS_OCTET3, P1::IDC_ADDRESS_OCTET4};
const std::array<int, 4> kMask1{P1::IDC_MASK_OCTET1, P1::IDC_MASK_OCTET2, P1::IDC_MASK_OCTET3,
                                P1::IDC_MASK_OCTET4};
const std::array<int, 4> kGateway1{P1::IDC_GATEWAY_OCTET1, P1::IDC_GATEWAY_OCTET2,
                                   P1::IDC_GATEWAY_OCTET3, P1::IDC_GATEWAY_OCTET4};
const std::array<int, 4> kAddress4{P4::IDC_ADDRESS_OCTET1, P4::IDC_ADDRESS_OCTET2,
                                   P4::IDC_ADDRESS_OCTET3, P4::IDC_ADDRESS_OCTET4};
const std::array<int, 4> kMask4{P4::IDC_MASK_OCTET1, P4::IDC_MASK_OCTET2, P4::IDC_MASK_OCTET3,
                                P4::IDC_MASK_OCTET4};
const std::array<int, 4> kGateway4{P4::IDC_GATEWAY_OCTET1, P4::IDC_GATEWAY_OCTET2,
                                   P4::IDC_GATEWAY_OCTET3, P4::IDC_GATEWAY_OCTET4};

class AddressPages : public UiTest {
  protected:
    // Page 1 or page 4 reached from the main menu.
    std::unique_ptr<CMyPropertySheet> OpenPage(int index) {
        auto sheet = Open(kPageMain);
        Control<QRadioButton>(sheet->m_pageMain, index == kPageConfigIP
                                                     ? CMyPropertyPageMain::IDC_NEW_SYSTEM
                                                     : CMyPropertyPageMain::IDC_SERVICE_IP)
            ->click();
        Next(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), index);
        return sheet;
    }

    // The last message and where the focus went.
    void ExpectRefused(CMyPropertySheet& sheet, int page, const std::wstring& text, int focus) {
        EXPECT_EQ(sheet.GetActiveIndex(), page);
        ASSERT_FALSE(fake.messages.empty());
        EXPECT_EQ(fake.messages.back().text, text);
        EXPECT_EQ(fake.messages.back().caption.value_or(L""), wizard::LoadToolTitle());
        EXPECT_EQ(fake.messages.back().owner, framework::qt::PageWidget(*sheet.GetPage(page)));
        EXPECT_EQ(QApplication::focusWidget(), Widget(*sheet.GetPage(page), focus))
            << "focus on "
            << (QApplication::focusWidget()
                    ? QApplication::focusWidget()->objectName().toStdString()
                    : "nothing");
        EXPECT_FALSE(TempKey::Exists("satask.txt"));
    }
};

TEST_F(AddressPages, GatewayFollowsTheAddressAsItIsTyped) {
    struct Case {
        int page;
        std::array<int, 4> address, gateway;
        QStringList typed;
        QString gatewayText;
    };
    const Case cases[] = {
        {kPageConfigIP, kAddress1, kGateway1, {"172", "16", "5", "40"}, "172.16.5.1"},
        {kPageResetIP, kAddress4, kGateway4, {"10", "1", "2", "30"}, "10.1.2.1"},
    };
    for (const Case& c : cases) {
        auto sheet = OpenPage(c.page);
        auto& page = *sheet->GetPage(c.page);
        EXPECT_EQ(RowText(page, c.gateway), "0.0.0.0");
        TypeRow(page, c.address, c.typed);
        EXPECT_EQ(RowText(page, c.gateway), c.gatewayText);
        // The gateway may be overwritten; a later address change overwrites it again.
        Type(Control(page, c.gateway[2]), "99");
        Type(Control(page, c.address[3]), "7");
        EXPECT_EQ(DlgText(page, c.gateway[2]), "99");
        EXPECT_EQ(DlgText(page, c.gateway[3]), "1");
        Type(Control(page, c.address[2]), "6");
        EXPECT_EQ(DlgText(page, c.gateway[2]), "6");
    }
}

TEST_F(AddressPages, WorkedExamplesWriteTheirCommands) {
    {
        auto sheet = OpenPage(kPageConfigIP);
        TypeRow(sheet->m_pageConfigIP, kAddress1, {"192", "168", "1", "50"});
        Next(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), kPageConfigIPDone);
        EXPECT_EQ(TempKey::Read("satask.txt"),
                  "satask mkcluster -clusterip 192.168.1.50 -gw 192.168.1.1 -mask 255.255.255.0");
        EXPECT_TRUE(fake.messages.empty());
    }
    {
        auto sheet = OpenPage(kPageResetIP);
        TypeRow(sheet->m_pageResetIP, kAddress4, {"10", "1", "2", "30"});
        QTest::keyClick(Control(sheet->m_pageResetIP, kAddress4[3]),
                        Qt::Key_Return);  // Enter is Next
        Settle();
        EXPECT_EQ(sheet->GetActiveIndex(), kPageResetIPDone);
        EXPECT_EQ(TempKey::Read("satask.txt"),
                  "satask chserviceip -serviceip 10.1.2.30 -gw 10.1.2.1 -mask 255.255.255.0");
    }
}

TEST_F(AddressPages, Ipv4RowsRefusedWithMessageAndFocus) {
    struct Case {
        QStringList address, mask, gateway;
        int messageId;
        const wchar_t* argument;
        int row;  // 0 address, 1 mask, 2 gateway
        int octet;
    };
    const Case cases[] = {
        {{"0", "0", "0", "0"}, {"255", "255", "255", "0"}, {}, 139, L"0.0.0.0", 0, 0},
        {{"10", "0", "0", "300"}, {"255", "255", "255", "0"}, {}, 139, L"10.0.0.300", 0, 3},
        {{"256", "999", "1", "1"}, {"255", "255", "255", "0"}, {}, 139, L"256.999.1.1", 0, 0},
        {{"10", "0", "0", "1"}, {"0", "0", "0", "0"}, {}, 140, L"0.0.0.0", 1, 0},
        {{"10", "0", "0", "1"}, {"255", "0", "256", "0"}, {}, 140, L"255.0.256.0", 1, 2},
        {{"10", "0", "0", "1"},
         {"255", "0", "0", "0"},
         {"0", "0", "0", "0"},
         143,
         L"0.0.0.0",
         2,
         0},
        {{"10", "0", "0", "1"},
         {"255", "0", "0", "0"},
         {"10", "0", "0", "999"},
         143,
         L"10.0.0.999",
         2,
         3},
    };
    for (int pageIndex : {kPageConfigIP, kPageResetIP}) {
        const bool first = pageIndex == kPageConfigIP;
        const std::array<std::array<int, 4>, 3> rows{
            first ? kAddress1 : kAddress4, first ? kMask1 : kMask4, first ? kGateway1 : kGateway4};
        for (const Case& c : cases) {
            auto sheet = OpenPage(pageIndex);
            auto& page = *sheet->GetPage(pageIndex);
            TypeRow(page, rows[0], c.address);
            TypeRow(page, rows[1], c.mask);
            if (!c.gateway.isEmpty()) {
                TypeRow(page, rows[2], c.gateway);
            }
            Next(*sheet);
            ExpectRefused(*sheet, pageIndex, Formatted(c.messageId, c.argument),
                          rows[c.row][c.octet]);
        }
    }
}

TEST_F(AddressPages, UntouchedPageIsRefused) {
    for (int pageIndex : {kPageConfigIP, kPageResetIP}) {
        auto sheet = OpenPage(pageIndex);
        Next(*sheet);
        ExpectRefused(*sheet, pageIndex,
                      L"'0.0.0.0' is not valid.  Enter a valid IP address for the system.",
                      pageIndex == kPageConfigIP ? kAddress1[0] : kAddress4[0]);
    }
}

TEST_F(AddressPages, LeadingZerosDisappearAndAnyMaskIsAccepted) {
    auto sheet = OpenPage(kPageConfigIP);
    TypeRow(sheet->m_pageConfigIP, kAddress1, {"192", "168", "001", "010"});
    TypeRow(sheet->m_pageConfigIP, kMask1, {"255", "0", "255", "0"});
    TypeRow(sheet->m_pageConfigIP, kGateway1, {"1", "2", "3", "4"});
    Next(*sheet);
    EXPECT_EQ(TempKey::Read("satask.txt"),
              "satask mkcluster -clusterip 192.168.1.10 -gw 1.2.3.4 -mask 255.0.255.0");
}

TEST_F(AddressPages, DigitsOnlyAndThreeAtMost) {
    auto sheet = OpenPage(kPageConfigIP);
    QLineEdit* box = Control(sheet->m_pageConfigIP, kAddress1[0]);
    Type(box, "1a2.34");
    EXPECT_EQ(box->text(), "123");
    QApplication::clipboard();
    box->selectAll();
    box->insert("x9");  // a pasted non-digit is refused as a whole
    EXPECT_EQ(box->text(), "123");
}

TEST_F(AddressPages, AnEmptiedBoxIsRefusedOnNextAndBack) {
    for (bool back : {false, true}) {
        auto sheet = OpenPage(kPageConfigIP);
        QLineEdit* box = Control(sheet->m_pageConfigIP, kMask1[2]);
        Type(box, "");
        back ? Back(*sheet) : Next(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), kPageConfigIP);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].text, Text(9001));
        EXPECT_EQ(QApplication::focusWidget(), box);
        fake.messages.clear();
    }
}

TEST_F(AddressPages, Ipv6StepsInOrder) {
    struct Case {
        QString address, prefix, gateway;
        int messageId;
        const wchar_t* argument;
        int box;  // 0 address, 1 prefix, 2 gateway
    };
    const Case cases[] = {
        {"   ", "64", "fd00::1", 141, L"", 0},  {" :: ", "64", "fd00::1", 139, L"::", 0},
        {"fd00::1", "128", "", 170, L"128", 1}, {"fd00::1", "127", "", 169, L"", 2},
        {"fd00::1", "0", "::", 143, L"::", 2},
    };
    for (int pageIndex : {kPageConfigIP, kPageResetIP}) {
        const bool first = pageIndex == kPageConfigIP;
        const std::array<int, 3> boxes =
            first ? std::array<int, 3>{P1::IDC_V6_ADDRESS, P1::IDC_PREFIX, P1::IDC_V6_GATEWAY}
                  : std::array<int, 3>{P4::IDC_V6_ADDRESS, P4::IDC_PREFIX, P4::IDC_V6_GATEWAY};
        for (const Case& c : cases) {
            auto sheet = OpenPage(pageIndex);
            auto& page = *sheet->GetPage(pageIndex);
            Control<QRadioButton>(page, first ? P1::IDC_IPV6 : P4::IDC_IPV6)->click();
            EXPECT_EQ(QApplication::focusWidget(), Widget(page, boxes[0]));
            Type(Control(page, boxes[0]), c.address);
            Type(Control(page, boxes[1]), c.prefix);
            Type(Control(page, boxes[2]), c.gateway);
            fake.messages.clear();  // a blank typed into the address box was reported already
            Next(*sheet);
            const std::wstring text =
                c.argument[0] || c.messageId == 139 || c.messageId == 143 || c.messageId == 170
                    ? Formatted(c.messageId, c.argument)
                    : Text(c.messageId);
            ExpectRefused(*sheet, pageIndex, text, boxes[c.box]);
        }
    }
}

TEST_F(AddressPages, Ipv6TaskWithTrimmedTexts) {
    const std::pair<int, std::string> cases[] = {
        {kPageConfigIP,
         "satask mkcluster -clusterip_6 2001:DB8::1 -gw_6 2001:db8::fe -prefix_6 064"},
        {kPageResetIP,
         "satask chserviceip -serviceip_6 2001:DB8::1 -gw_6 2001:db8::fe -prefix_6 064"}};
    for (const auto& [pageIndex, command] : cases) {
        auto sheet = OpenPage(pageIndex);
        auto& page = *sheet->GetPage(pageIndex);
        const bool first = pageIndex == kPageConfigIP;
        Control<QRadioButton>(page, first ? P1::IDC_IPV6 : P4::IDC_IPV6)->click();
        // Blanks around the texts: the live check speaks up, Next trims them.
        Control(page, first ? P1::IDC_V6_ADDRESS : P4::IDC_V6_ADDRESS)->setText(" 2001:DB8::1 ");
        Type(Control(page, first ? P1::IDC_PREFIX : P4::IDC_PREFIX), "064");
        Control(page, first ? P1::IDC_V6_GATEWAY : P4::IDC_V6_GATEWAY)->setText("2001:db8::fe");
        fake.messages.clear();
        Next(*sheet);
        EXPECT_TRUE(fake.messages.empty());
        EXPECT_EQ(TempKey::Read("satask.txt"), command);
        EXPECT_EQ(sheet->GetActiveIndex(), pageIndex + 1);
    }
}

TEST_F(AddressPages, LiveCheckSpeaksAsSoonAsTheTextFails) {
    auto sheet = OpenPage(kPageConfigIP);
    auto& page = sheet->m_pageConfigIP;
    Control<QRadioButton>(page, P1::IDC_IPV6)->click();
    QLineEdit* address = Control(page, P1::IDC_V6_ADDRESS);
    QTest::keyClicks(address, "fe80::1:");
    EXPECT_TRUE(fake.messages.empty());
    QTest::keyClicks(address, ":");  // the second "::" is complete
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, Formatted(139, L"fe80::1::"));
    EXPECT_EQ(address->text(), "fe80::1::");  // left as typed
    EXPECT_EQ(QApplication::focusWidget(), address);
    Type(address, "");  // emptying the box never speaks
    EXPECT_EQ(fake.messages.size(), 1u);
    fake.messages.clear();
    QTest::keyClicks(address, " ");  // a typed blank, not trimmed while typing
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, Formatted(139, L" "));
    fake.messages.clear();
    QLineEdit* gateway = Control(page, P1::IDC_V6_GATEWAY);
    QTest::keyClicks(gateway, "fd00 ");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, Formatted(143, L"fd00 "));
}

TEST_F(AddressPages, ParserConfirmationDecidesWhetherTheAddressIsWritten) {
    for (int answer : {platform::kAnswerCancel, platform::kAnswerOk}) {
        auto sheet = OpenPage(kPageConfigIP);
        auto& page = sheet->m_pageConfigIP;
        Control<QRadioButton>(page, P1::IDC_IPV6)->click();
        Type(Control(page, P1::IDC_V6_ADDRESS), "1:2");
        Type(Control(page, P1::IDC_PREFIX), "64");
        Type(Control(page, P1::IDC_V6_GATEWAY), "1::1");
        fake.messages.clear();
        fake.answers = {answer};
        Next(*sheet);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].buttons, platform::MessageButtons::OkCancel);
        EXPECT_EQ(
            fake.messages[0].text,
            L"1:2" + Text(144) + L"\n\nClick OK to proceed or CANCEL to re-enter the IP address.");
        if (answer == platform::kAnswerOk) {
            EXPECT_EQ(TempKey::Read("satask.txt"),
                      "satask mkcluster -clusterip_6 1:2 -gw_6 1::1 -prefix_6 64");
            EXPECT_EQ(sheet->GetActiveIndex(), kPageConfigIPDone);
        } else {
            EXPECT_FALSE(TempKey::Exists("satask.txt"));
            EXPECT_EQ(sheet->GetActiveIndex(), kPageConfigIP);
            EXPECT_EQ(QApplication::focusWidget(), Widget(page, P1::IDC_V6_ADDRESS));
            EXPECT_EQ(DlgText(page, P1::IDC_V6_ADDRESS), "1:2");
        }
    }
}

TEST_F(AddressPages, SwitchingModesResetsWhatItShould) {
    auto sheet = OpenPage(kPageConfigIP);
    auto& page = sheet->m_pageConfigIP;
    TypeRow(page, kAddress1, {"10", "2", "3", "4"});
    TypeRow(page, kMask1, {"255", "255", "0", "0"});
    Control<QRadioButton>(page, P1::IDC_IPV6)->click();
    EXPECT_EQ(DlgText(page, P1::IDC_MASK_LABEL), "Prefix");
    EXPECT_EQ(DlgText(page, P1::IDC_PREFIX), "0");
    EXPECT_TRUE(Widget(page, P1::IDC_PREFIX)->isVisible());
    EXPECT_FALSE(Widget(page, kAddress1[0])->isVisible());
    EXPECT_EQ(RowText(page, kAddress1), "0.0.0.0");
    EXPECT_EQ(RowText(page, kMask1), "255.255.255.0");
    EXPECT_EQ(RowText(page, kGateway1), "0.0.0.0");
    Type(Control(page, P1::IDC_V6_ADDRESS), "fd00::5");
    Type(Control(page, P1::IDC_PREFIX), "48");
    Control<QRadioButton>(page, P1::IDC_IPV4)->click();
    EXPECT_EQ(DlgText(page, P1::IDC_MASK_LABEL), "Subnet Mask");
    EXPECT_EQ(DlgText(page, P1::IDC_V6_ADDRESS), "");
    EXPECT_EQ(DlgText(page, P1::IDC_PREFIX), "0");
    EXPECT_EQ(RowText(page, kAddress1), "0.0.0.0");
    EXPECT_EQ(RowText(page, kMask1), "255.255.255.0");
    EXPECT_EQ(RowText(page, kGateway1), "0.0.0.0");
    EXPECT_EQ(QApplication::focusWidget(), Widget(page, kAddress1[0]));
}

TEST_F(AddressPages, ValuesSurviveBackAndNext) {
    auto sheet = OpenPage(kPageConfigIP);
    auto& page = sheet->m_pageConfigIP;
    TypeRow(page, kAddress1, {"10", "2", "3", "4"});
    TypeRow(page, kGateway1, {"10", "2", "3", "254"});
    Back(*sheet);
    Next(*sheet);
    EXPECT_EQ(RowText(page, kAddress1), "10.2.3.4");
    EXPECT_EQ(RowText(page, kGateway1), "10.2.3.254");
}

TEST_F(AddressPages, ResetDefaultWritesTheFixedCommand) {
    auto sheet = OpenPage(kPageResetIP);
    auto& page = sheet->m_pageResetIP;
    TypeRow(page, kAddress4, {"300", "1", "1", "1"});  // invalid, but not looked at
    Control<QRadioButton>(page, P4::IDC_RESET_DEFAULT)->click();
    EXPECT_FALSE(Widget(page, kAddress4[0])->isEnabled());
    EXPECT_FALSE(Widget(page, P4::IDC_IPV6)->isEnabled());
    EXPECT_EQ(RowText(page, kAddress4), "0.0.0.0");
    EXPECT_EQ(RowText(page, kMask4), "255.255.255.0");
    EXPECT_EQ(RowText(page, kGateway4), "0.0.0.0");
    Next(*sheet);
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask chserviceip -default");
    EXPECT_EQ(sheet->GetActiveIndex(), kPageResetIPDone);
}

TEST_F(AddressPages, ConfigureAgainAfterResetDefault) {
    auto sheet = OpenPage(kPageResetIP);
    auto& page = sheet->m_pageResetIP;
    Control<QRadioButton>(page, P4::IDC_IPV6)->click();
    Control<QRadioButton>(page, P4::IDC_RESET_DEFAULT)->click();
    EXPECT_TRUE(Control<QRadioButton>(page, P4::IDC_IPV4)->isChecked());
    Control<QRadioButton>(page, P4::IDC_CONFIGURE)->click();
    EXPECT_TRUE(Widget(page, kAddress4[0])->isEnabled());
    EXPECT_TRUE(Widget(page, kAddress4[0])->isVisible());
    EXPECT_EQ(RowText(page, kAddress4), "0.0.0.0");
    EXPECT_EQ(QApplication::focusWidget(), Widget(page, kAddress4[0]));
}

TEST_F(AddressPages, AWriteFailureKeepsThePageAndItsEntries) {
    std::filesystem::create_directory("satask.txt");
    auto sheet = OpenPage(kPageConfigIP);
    TypeRow(sheet->m_pageConfigIP, kAddress1, {"192", "168", "1", "50"});
    Next(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageConfigIP);
    EXPECT_EQ(fake.texts(),
              std::vector<std::wstring>{Text(171) + L"\n\n" +
                                        platform::LoadFormatted(9017, {L"satask.txt"})});
    EXPECT_EQ(fake.messages[0].owner, nullptr);
    EXPECT_EQ(RowText(sheet->m_pageConfigIP, kAddress1), "192.168.1.50");
}

TEST_F(AddressPages, OctetBoxesAreNamedByRowAndPosition) {
    auto sheet = OpenPage(kPageConfigIP);
    EXPECT_EQ(Control(sheet->m_pageConfigIP, kMask1[2])->accessibleName(), "Subnet Mask, octet 3");
    EXPECT_EQ(Control(sheet->m_pageConfigIP, kGateway1[0])->accessibleName(), "Gateway, octet 1");
}

}  // namespace
