// The unified pages and their IP address control, with real input.
#include <QComboBox>

#include "UiTest.h"
#include "framework/qt/IPAddressCtrl.h"
#include "platform/Platform.h"
#include "wizard/PageIds.h"
#include "wizard/UnifiedValues.h"

namespace {

using namespace uitest;
using framework::qt::CIPAddressCtrl;
using namespace wizard;
using testing_support::TempKey;
using P1 = MyPropertyPageConfigNeskP1;
using P2 = MyPropertyPageConfigNeskP2;

class UnifiedPages : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        std::uint32_t zero = 0;
        SetUnifiedClusterIp(&zero);
        SetUnifiedMask(&zero);
        SetUnifiedGateway(&zero);
    }

    static CIPAddressCtrl* Ip(framework::CPropertyPageEx& page, int id) {
        return Control<CIPAddressCtrl>(page, id);
    }

    // Types a dotted address into the control the way a user does: digits and dots.
    static void TypeIp(CIPAddressCtrl* control, const QString& text) {
        control->ClearAddress();
        control->Field(0)->setFocus();
        for (QChar c : text) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        }
    }

    void ExpectRefused(CMyPropertySheet& sheet, int page, int captionId, const std::wstring& text) {
        EXPECT_EQ(sheet.GetActiveIndex(), page);
        ASSERT_FALSE(fake.messages.empty());
        EXPECT_EQ(fake.messages.back().caption.value_or(L"?"), Text(captionId));
        EXPECT_EQ(fake.messages.back().text, text);
        EXPECT_EQ(fake.messages.back().owner, framework::qt::PageWidget(*sheet.GetPage(page)));
        fake.messages.clear();
    }

    std::wstring NotValid(int label) { return Formatted(190, Text(label)); }
    std::wstring NotSameSubnet(int label) {
        return platform::FormatMessage(Text(121), {Text(113), Text(label)});
    }

    // Page 7 filled in and accepted.
    std::unique_ptr<CMyPropertySheet> PastFirstPage(const QString& address = "192.168.1.10",
                                                    const QString& mask = "255.255.255.0",
                                                    const QString& gateway = "192.168.1.1") {
        auto sheet = Open(kPageNeskP1);
        TypeIp(Ip(sheet->m_pageNeskP1, P1::IDC_ADDRESS), address);
        TypeIp(Ip(sheet->m_pageNeskP1, P1::IDC_MASK), mask);
        TypeIp(Ip(sheet->m_pageNeskP1, P1::IDC_GATEWAY), gateway);
        Next(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), kPageNeskP2);
        return sheet;
    }

    static void FillSecondPage(CMyPropertySheet& sheet, const QString& management,
                               const QString& module1, const QString& module2, int range) {
        TypeIp(Ip(sheet.m_pageNeskP2, P2::IDC_MANAGEMENT), management);
        TypeIp(Ip(sheet.m_pageNeskP2, P2::IDC_MODULE1), module1);
        TypeIp(Ip(sheet.m_pageNeskP2, P2::IDC_MODULE2), module2);
        WidgetAs<QComboBox>(sheet.m_pageNeskP2, P2::IDC_RANGE)->setCurrentIndex(range);
    }
};

TEST_F(UnifiedPages, AddressControlKeyboard) {
    auto sheet = Open(kPageNeskP1);
    CIPAddressCtrl* control = Ip(sheet->m_pageNeskP1, P1::IDC_ADDRESS);
    TypeIp(control, "10.1.200.7");
    std::uint32_t value = 0;
    EXPECT_EQ(control->GetAddress(value), 4);
    EXPECT_EQ(value, 0x0A01C807u);
    // A third digit moves on by itself; a value over 255 becomes 255.
    TypeIp(control, "192168300");
    EXPECT_EQ(control->GetAddress(value), 3);
    EXPECT_EQ(value, 0xC0A8FF00u);
    // Backspace in an empty field goes back to the previous one.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(QApplication::focusWidget(), control->Field(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(control->Field(2)->text(), "25");
    control->SetAddress(0xFFFFFF00u);
    EXPECT_EQ(control->Field(0)->text(), "255");
    EXPECT_EQ(control->Field(3)->text(), "0");
    EXPECT_EQ(control->Field(1)->accessibleName(), "IP Address, octet 2");
}

TEST_F(UnifiedPages, FirstPageChecksInOrder) {
    struct Case {
        QString address, mask, gateway;
        int caption;
        std::wstring text;
    };
    const Case cases[] = {
        {"", "255.255.255.0", "192.168.1.1", 113, NotValid(113)},
        {"0.0.0.0", "255.255.255.0", "192.168.1.1", 113, NotValid(113)},
        {"192.168.1", "255.255.255.0", "192.168.1.1", 113, NotValid(113)},  // a blank field
        {"192.168.1.10", "192.168.1.10", "192.168.1.1", 114, NotValid(114)},
        {"192.168.1.10", "255.255.255.0", "255.255.255.0", 116, NotValid(116)},
        {"192.168.1.10", "255.255.255.0", "192.168.1.10", 116, NotValid(116)},
        {"192.168.1.10", "255.255.255.0", "192.168.2.1", 113, NotSameSubnet(116)},
        {"192.168.1.10", "255.255.255.255", "192.168.1.1", 113, NotSameSubnet(116)},
    };
    for (const Case& c : cases) {
        auto sheet = Open(kPageNeskP1);
        auto& page = sheet->m_pageNeskP1;
        TypeIp(Ip(page, P1::IDC_ADDRESS), c.address);
        TypeIp(Ip(page, P1::IDC_MASK), c.mask);
        TypeIp(Ip(page, P1::IDC_GATEWAY), c.gateway);
        Next(*sheet);
        ExpectRefused(*sheet, kPageNeskP1, c.caption, c.text);
    }
}

TEST_F(UnifiedPages, NonContiguousMaskIsAcceptedAndCompared) {
    auto sheet = PastFirstPage("192.168.1.10", "255.0.255.0", "192.1.1.1");
    EXPECT_EQ(GetUnifiedMask(), 0xFF00FF00u);
    EXPECT_EQ(GetUnifiedClusterIp(), 0xC0A8010Au);
    EXPECT_EQ(GetUnifiedGateway(), 0xC0010101u);
}

TEST_F(UnifiedPages, MaskShownOnEveryActivation) {
    auto sheet = Open(kPageNeskP1);
    auto& page = sheet->m_pageNeskP1;
    std::uint32_t mask = 0;
    Ip(page, P1::IDC_MASK)->GetAddress(mask);
    EXPECT_EQ(mask, 0xFFFFFF00u);
    TypeIp(Ip(page, P1::IDC_ADDRESS), "10.0.0.5");
    TypeIp(Ip(page, P1::IDC_MASK), "255.0.0.0");
    TypeIp(Ip(page, P1::IDC_GATEWAY), "10.0.0.1");
    Next(*sheet);
    Back(*sheet);
    Ip(page, P1::IDC_MASK)->GetAddress(mask);
    EXPECT_EQ(mask, 0xFF000000u);
    TypeIp(Ip(page, P1::IDC_MASK), "255.255.0.0");  // typed, not accepted
    Back(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageMain);
    sheet->SetActivePage(kPageNeskP1);
    Ip(page, P1::IDC_MASK)->GetAddress(mask);
    EXPECT_EQ(mask, 0xFF000000u);
}

TEST_F(UnifiedPages, SecondPageChecksInOrder) {
    struct Case {
        QString management, module1, module2;
        int range;
        int caption;
        std::wstring text;
    };
    const Case cases[] = {
        {"", "192.168.1.21", "192.168.1.22", 0, 183, NotValid(183)},
        {"192.168.1.10", "192.168.1.21", "192.168.1.22", 0, 183, NotValid(183)},
        {"192.168.1.20", "192.168.1.20", "192.168.1.22", 0, 184, NotValid(184)},
        {"192.168.1.20", "192.168.1.10", "192.168.1.22", 0, 184, NotValid(184)},
        {"192.168.1.20", "192.168.1.21", "192.168.1.21", 0, 185, NotValid(185)},
        {"192.168.1.20", "192.168.1.21", "192.168.1.20", 0, 185, NotValid(185)},
        {"192.168.1.20", "192.168.1.21", "192.168.1.10", 0, 185, NotValid(185)},
        // the missing range comes after the addresses and before the subnets
        {"10.0.0.20", "192.168.1.21", "192.168.1.22", -1, 186, Text(192)},
        {"10.0.0.20", "192.168.1.21", "192.168.1.22", 0, 113, NotSameSubnet(183)},
        {"192.168.1.20", "192.168.9.21", "192.168.1.22", 0, 113, NotSameSubnet(184)},
        {"192.168.1.20", "192.168.1.21", "192.168.9.22", 0, 113, NotSameSubnet(185)},
    };
    for (const Case& c : cases) {
        auto sheet = PastFirstPage();
        FillSecondPage(*sheet, c.management, c.module1, c.module2, c.range);
        Next(*sheet);
        ExpectRefused(*sheet, kPageNeskP2, c.caption, c.text);
        EXPECT_FALSE(TempKey::Exists("satask.txt"));
    }
}

TEST_F(UnifiedPages, GatewayIsNotComparedWithTheSecondPage) {
    auto sheet = PastFirstPage();
    FillSecondPage(*sheet, "192.168.1.1", "192.168.1.21", "192.168.1.22", 0);
    Next(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageNeskDone);
}

TEST_F(UnifiedPages, RangeListIsSortedAndEachEntryGivesItsInternalIps) {
    const char* const expected[] = {"10.254.8.1 ", "172.31.8.1 ", "192.168.8.1"};
    for (int range = 0; range < 3; ++range) {
        auto sheet = PastFirstPage();
        auto* combo = WidgetAs<QComboBox>(sheet->m_pageNeskP2, P2::IDC_RANGE);
        ASSERT_EQ(combo->count(), 3);
        EXPECT_EQ(combo->currentIndex(), -1);
        EXPECT_EQ(combo->itemText(0), "10.254.8.1   - 10.254.8.10");
        EXPECT_EQ(combo->itemText(1), "172.31.8.1  - 172.31.8.10");
        EXPECT_EQ(combo->itemText(2), "192.168.8.1 - 192.168.8.10");
        FillSecondPage(*sheet, "192.168.1.20", "192.168.1.21", "192.168.1.22", range);
        Next(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), kPageNeskDone);
        const std::string cfg = TempKey::Read("cfgtask.txt");
        EXPECT_NE(cfg.find(std::string("--internalips=") + expected[range] + " --veltaraip="),
                  std::string::npos)
            << cfg;
    }
}

TEST_F(UnifiedPages, WorkedExampleWritesBothFilesAndCancelRemovesThem) {
    auto sheet = PastFirstPage();
    FillSecondPage(*sheet, "192.168.1.20", "192.168.1.21", "192.168.1.22", 1);
    Next(*sheet);
    ASSERT_EQ(sheet->GetActiveIndex(), kPageNeskDone);
    EXPECT_EQ(TempKey::Read("satask.txt"),
              "satask mknascluster -clusterip 192.168.1.10 -mask 255.255.255.0 -gw 192.168.1.1 "
              "-consoleip 192.168.1.20");
    EXPECT_EQ(TempKey::Read("cfgtask.txt"),
              "cfginit --ip=192.168.1.20 --netmask=255.255.255.0 --gateway=192.168.1.1 "
              "--serviceip1=192.168.1.21 --serviceip2=192.168.1.22 --internalips=172.31.8.1  "
              "--veltaraip=192.168.1.10");
    EXPECT_FALSE(framework::qt::SheetWidget(*sheet)->BackButton()->isEnabled());
    QTest::mouseClick(framework::qt::SheetWidget(*sheet)->CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(TempKey::Exists("satask.txt"));
    EXPECT_FALSE(TempKey::Exists("cfgtask.txt"));
}

TEST_F(UnifiedPages, SecondPageComparesWithTheLastAcceptedFirstPage) {
    auto sheet = PastFirstPage();
    FillSecondPage(*sheet, "10.0.0.20", "10.0.0.21", "10.0.0.22", 0);
    Back(*sheet);
    auto& first = sheet->m_pageNeskP1;
    std::uint32_t value = 0;
    Ip(first, P1::IDC_ADDRESS)->GetAddress(value);
    EXPECT_EQ(value, 0xC0A8010Au);  // page 7 keeps what was typed
    TypeIp(Ip(first, P1::IDC_ADDRESS), "10.0.0.10");
    TypeIp(Ip(first, P1::IDC_GATEWAY), "10.0.0.1");
    Next(*sheet);
    ASSERT_EQ(sheet->GetActiveIndex(), kPageNeskP2);
    Next(*sheet);  // page 8 kept its entries; they now fit the new storage address
    EXPECT_EQ(sheet->GetActiveIndex(), kPageNeskDone);
    EXPECT_EQ(
        TempKey::Read("satask.txt").rfind("satask mknascluster -clusterip 10.0.0.10 -mask", 0), 0u);
}

// The pair is one task: when the file modules' file fails, the storage command goes too.
TEST_F(UnifiedPages, WriterFailureKeepsTheSecondPageAndNoHalfTask) {
    std::filesystem::create_directory("cfgtask.txt");
    auto sheet = PastFirstPage();
    FillSecondPage(*sheet, "192.168.1.20", "192.168.1.21", "192.168.1.22", 0);
    Next(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageNeskP2);
    EXPECT_EQ(fake.texts(),
              std::vector<std::wstring>{Text(171) + L"\n\n" +
                                        platform::LoadFormatted(9017, {L"cfgtask.txt"})});
    EXPECT_FALSE(TempKey::Exists("satask.txt"));
}

}  // namespace
