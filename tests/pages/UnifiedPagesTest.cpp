// The unified pages on every backend: both pages' checks in their order (the field's label as
// caption, the focus on the field to mend), what the first page stores for the second, and
// the pair of task files.
#include <filesystem>

#include "PageTest.h"

namespace tests {
namespace {

class UnifiedPages : public PageLogic {
  protected:
    void SetUp() override {
        PageLogic::SetUp();
        StoreFirstUnifiedPage(0, 0, 0);
    }
    // Page 7 filled in and accepted.
    ShownSheet PastFirstPage(const wchar_t* address = L"192.168.1.10",
                             const wchar_t* mask = L"255.255.255.0",
                             const wchar_t* gateway = L"192.168.1.1") {
        auto sheet = Open(kPageNeskP1);
        driver->TypeAddress(sheet->m_pageNeskP1, U1::IDC_ADDRESS, address);
        driver->TypeAddress(sheet->m_pageNeskP1, U1::IDC_MASK, mask);
        driver->TypeAddress(sheet->m_pageNeskP1, U1::IDC_GATEWAY, gateway);
        Next(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), kPageNeskP2);
        return sheet;
    }
    void FillSecondPage(CMyPropertySheet& sheet, const wchar_t* management, const wchar_t* module1,
                        const wchar_t* module2, int range) {
        driver->TypeAddress(sheet.m_pageNeskP2, U2::IDC_MANAGEMENT, management);
        driver->TypeAddress(sheet.m_pageNeskP2, U2::IDC_MODULE1, module1);
        driver->TypeAddress(sheet.m_pageNeskP2, U2::IDC_MODULE2, module2);
        if (range >= 0) {
            driver->Select(sheet.m_pageNeskP2, U2::IDC_RANGE, range);
        }
    }
    void ExpectRefusedOn(CMyPropertySheet& sheet, int index, int caption, const std::wstring& text,
                         int focus) {
        EXPECT_EQ(sheet.GetActiveIndex(), index);
        ExpectRefused(driver->Owner(*sheet.GetPage(index)), text, platform::LoadText(caption));
        EXPECT_EQ(driver->Focused(*sheet.GetPage(index)), focus);
        EXPECT_FALSE(TempKey::Exists("cfgtask.txt"));
    }
};

TEST_F(UnifiedPages, FirstPageChecksInOrder) {
    struct Case {
        const wchar_t *address, *mask, *gateway;
        int caption;
        std::wstring text;
        int focus;
    };
    const Case cases[] = {
        {L"", L"255.255.255.0", L"192.168.1.1", 113, NotValid(113), U1::IDC_ADDRESS},
        {L"0.0.0.0", L"255.255.255.0", L"192.168.1.1", 113, NotValid(113), U1::IDC_ADDRESS},
        {L"192.168.1", L"255.255.255.0", L"192.168.1.1", 113, NotValid(113), U1::IDC_ADDRESS},
        {L"192.168..10", L"255.255.255.0", L"192.168.1.1", 113, NotValid(113), U1::IDC_ADDRESS},
        {L"192.168.1.10", L"192.168.1.10", L"192.168.1.1", 114, NotValid(114), U1::IDC_MASK},
        {L"192.168.1.10", L"255.255.255.0", L"255.255.255.0", 116, NotValid(116), U1::IDC_GATEWAY},
        {L"192.168.1.10", L"255.255.255.0", L"192.168.1.10", 116, NotValid(116), U1::IDC_GATEWAY},
        {L"192.168.1.10", L"255.255.255.0", L"192.168.2.1", 113, NotSameSubnet(116),
         U1::IDC_ADDRESS},
        {L"192.168.1.10", L"255.255.255.255", L"192.168.1.1", 113, NotSameSubnet(116),
         U1::IDC_ADDRESS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.address) + " " + Narrow(c.mask) + " " + Narrow(c.gateway));
        auto sheet = Open(kPageNeskP1);
        auto& page = sheet->m_pageNeskP1;
        driver->TypeAddress(page, U1::IDC_ADDRESS, c.address);
        driver->TypeAddress(page, U1::IDC_MASK, c.mask);
        driver->TypeAddress(page, U1::IDC_GATEWAY, c.gateway);
        Next(*sheet);
        ExpectRefusedOn(*sheet, kPageNeskP1, c.caption, c.text, c.focus);
    }
}

TEST_F(UnifiedPages, SecondPageChecksInOrder) {
    struct Case {
        const wchar_t *management, *module1, *module2;
        int range;
        int caption;
        std::wstring text;
        int focus;
    };
    const Case cases[] = {
        {L"", L"192.168.1.21", L"192.168.1.22", 0, 183, NotValid(183), U2::IDC_MANAGEMENT},
        {L"192.168.1.10", L"192.168.1.21", L"192.168.1.22", 0, 183, NotValid(183),
         U2::IDC_MANAGEMENT},
        {L"192.168.1.20", L"192.168.1.20", L"192.168.1.22", 0, 184, NotValid(184), U2::IDC_MODULE1},
        {L"192.168.1.20", L"192.168.1.10", L"192.168.1.22", 0, 184, NotValid(184), U2::IDC_MODULE1},
        {L"192.168.1.20", L"192.168.1.21", L"192.168..22", 0, 185, NotValid(185), U2::IDC_MODULE2},
        {L"192.168.1.20", L"192.168.1.21", L"192.168.1.21", 0, 185, NotValid(185), U2::IDC_MODULE2},
        {L"192.168.1.20", L"192.168.1.21", L"192.168.1.20", 0, 185, NotValid(185), U2::IDC_MODULE2},
        {L"192.168.1.20", L"192.168.1.21", L"192.168.1.10", 0, 185, NotValid(185), U2::IDC_MODULE2},
        // the missing range comes after the addresses and before the subnets
        {L"10.0.0.20", L"192.168.1.21", L"192.168.1.22", -1, 186,
         platform::LoadText(IDS_NO_INTERNAL_RANGE), U2::IDC_RANGE},
        {L"10.0.0.20", L"192.168.1.21", L"192.168.1.22", 0, 113, NotSameSubnet(183),
         U2::IDC_MANAGEMENT},
        {L"192.168.1.20", L"192.168.9.21", L"192.168.1.22", 0, 113, NotSameSubnet(184),
         U2::IDC_MODULE1},
        {L"192.168.1.20", L"192.168.1.21", L"192.168.9.22", 0, 113, NotSameSubnet(185),
         U2::IDC_MODULE2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.management) + " " + Narrow(c.module1) + " " + Narrow(c.module2));
        auto sheet = PastFirstPage();
        FillSecondPage(*sheet, c.management, c.module1, c.module2, c.range);
        Next(*sheet);
        ExpectRefusedOn(*sheet, kPageNeskP2, c.caption, c.text, c.focus);
    }
}

// The first page stores what it accepted, shows the stored mask (or 255.255.255.0) on every
// activation, and does not test the mask for contiguity.
TEST_F(UnifiedPages, TheFirstPageStoresWhatTheSecondReads) {
    auto sheet = Open(kPageNeskP1);
    auto& page = sheet->m_pageNeskP1;
    std::uint32_t mask = 0;
    EXPECT_EQ(page.Ctl().Address(U1::IDC_MASK, mask), 4);
    EXPECT_EQ(mask, Ip(255, 255, 255, 0));
    driver->TypeAddress(page, U1::IDC_ADDRESS, L"192.168.1.10");
    driver->TypeAddress(page, U1::IDC_MASK, L"255.0.255.0");
    driver->TypeAddress(page, U1::IDC_GATEWAY, L"192.1.1.1");
    Next(*sheet);
    ASSERT_EQ(sheet->GetActiveIndex(), kPageNeskP2);
    EXPECT_EQ(GetUnifiedMask(), Ip(255, 0, 255, 0));
    EXPECT_EQ(GetUnifiedClusterIp(), Ip(192, 168, 1, 10));
    EXPECT_EQ(GetUnifiedGateway(), Ip(192, 1, 1, 1));
    Back(*sheet);
    page.Ctl().Address(U1::IDC_MASK, mask);
    EXPECT_EQ(mask, Ip(255, 0, 255, 0));
    driver->TypeAddress(page, U1::IDC_MASK, L"255.255.0.0");  // typed, not accepted
    Back(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageMain);
    sheet->SetActivePage(kPageNeskP1);
    page.Ctl().Address(U1::IDC_MASK, mask);
    EXPECT_EQ(mask, Ip(255, 0, 255, 0));
}

// The ranges are sorted, none chosen at first; each gives its first eleven characters to the
// file modules' task, two blanks and all; Cancel on the done page removes both files.
TEST_F(UnifiedPages, EachRangeGivesItsInternalAddressesAndCancelRemovesBothFiles) {
    const char* const expected[] = {"10.254.8.1 ", "172.31.8.1 ", "192.168.8.1"};
    for (int range = 0; range < 3; ++range) {
        auto sheet = PastFirstPage();
        auto& page = sheet->m_pageNeskP2;
        EXPECT_EQ(page.Ctl().ComboSelection(U2::IDC_RANGE), -1);
        EXPECT_EQ(page.Ctl().ComboText(U2::IDC_RANGE, 0), L"10.254.8.1   - 10.254.8.10");
        EXPECT_EQ(page.Ctl().ComboText(U2::IDC_RANGE, 1), L"172.31.8.1  - 172.31.8.10");
        EXPECT_EQ(page.Ctl().ComboText(U2::IDC_RANGE, 2), L"192.168.8.1 - 192.168.8.10");
        FillSecondPage(*sheet, L"192.168.1.20", L"192.168.1.21", L"192.168.1.22", range);
        Next(*sheet);
        ASSERT_EQ(sheet->GetActiveIndex(), kPageNeskDone);
        EXPECT_EQ(TempKey::Read("satask.txt"),
                  "satask mknascluster -clusterip 192.168.1.10 -mask 255.255.255.0 -gw "
                  "192.168.1.1 -consoleip 192.168.1.20");
        EXPECT_EQ(TempKey::Read("cfgtask.txt"),
                  std::string("cfginit --ip=192.168.1.20 --netmask=255.255.255.0 "
                              "--gateway=192.168.1.1 --serviceip1=192.168.1.21 "
                              "--serviceip2=192.168.1.22 --internalips=") +
                      expected[range] + " --veltaraip=192.168.1.10");
        Cancel(*sheet);
        EXPECT_FALSE(TempKey::Exists("satask.txt"));
        EXPECT_FALSE(TempKey::Exists("cfgtask.txt"));
    }
}

// The gateway is not compared with the second page; the second page compares with the last
// accepted first page, and keeps its own entries across Back.
TEST_F(UnifiedPages, TheSecondPageComparesWithTheLastAcceptedFirstPage) {
    auto sheet = PastFirstPage();
    FillSecondPage(*sheet, L"10.0.0.20", L"10.0.0.21", L"10.0.0.1", 0);
    Back(*sheet);
    auto& first = sheet->m_pageNeskP1;
    std::uint32_t value = 0;
    first.Ctl().Address(U1::IDC_ADDRESS, value);
    EXPECT_EQ(value, Ip(192, 168, 1, 10));  // page 7 keeps what was typed
    driver->TypeAddress(first, U1::IDC_ADDRESS, L"10.0.0.10");
    driver->TypeAddress(first, U1::IDC_GATEWAY, L"10.0.0.1");
    Next(*sheet);
    ASSERT_EQ(sheet->GetActiveIndex(), kPageNeskP2);
    Next(*sheet);  // page 8 kept its entries; they now fit the new storage address
    EXPECT_EQ(sheet->GetActiveIndex(), kPageNeskDone);
    EXPECT_EQ(
        TempKey::Read("satask.txt").rfind("satask mknascluster -clusterip 10.0.0.10 -mask", 0), 0u);
}

// The pair is one task: when the file modules' file fails, the storage command goes too.
TEST_F(UnifiedPages, AWriterFailureKeepsTheSecondPageAndNoHalfTask) {
    std::filesystem::create_directory("cfgtask.txt");
    auto sheet = PastFirstPage();
    FillSecondPage(*sheet, L"192.168.1.20", L"192.168.1.21", L"192.168.1.22", 0);
    Next(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageNeskP2);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text,
              platform::LoadText(IDS_TASKFILE_OPEN_FAILED) + L"\n\n" +
                  platform::LoadFormatted(IDS_FW_FILE_NOT_A_FILE, {L"cfgtask.txt"}));
    EXPECT_FALSE(TempKey::Exists("satask.txt"));
}

}  // namespace
}  // namespace tests
