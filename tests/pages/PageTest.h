#pragma once
// The fixture of the page-logic table: a scratch key folder as the current directory, the
// recording platform, the page driver of the backend the test program is built with. The
// tables are written once and run on every backend (headless, Qt offscreen, Win32 under
// Wine); texts are compared through the string table, whichever one is installed.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "FakePlatform.h"
#include "PageDriver.h"
#include "TempDir.h"
#include "framework/Text.h"
#include "platform/KeyFolder.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "wizard/MyPropertySheet.h"
#include "wizard/PageIds.h"
#include "wizard/ToolTitle.h"
#include "wizard/UnifiedValues.h"

namespace tests {

using tests::TempKey;
using namespace wizard;

using P1 = CMyPropertyPageConfigIP;
using P4 = CMyPropertyPageResetIP;
using U1 = MyPropertyPageConfigNeskP1;
using U2 = MyPropertyPageConfigNeskP2;

// The boxes of an address page's three octet rows, and its IPv6 boxes.
struct AddressBoxes {
    std::array<int, 4> address, mask, gateway;
    int v6Address, prefix, v6Gateway, ipv6;
};
inline AddressBoxes BoxesOf(int page) {
    if (page == kPageConfigIP) {
        return {
            {P1::IDC_ADDRESS_OCTET1, P1::IDC_ADDRESS_OCTET2, P1::IDC_ADDRESS_OCTET3,
             P1::IDC_ADDRESS_OCTET4},
            {P1::IDC_MASK_OCTET1, P1::IDC_MASK_OCTET2, P1::IDC_MASK_OCTET3, P1::IDC_MASK_OCTET4},
            {P1::IDC_GATEWAY_OCTET1, P1::IDC_GATEWAY_OCTET2, P1::IDC_GATEWAY_OCTET3,
             P1::IDC_GATEWAY_OCTET4},
            P1::IDC_V6_ADDRESS,
            P1::IDC_PREFIX,
            P1::IDC_V6_GATEWAY,
            P1::IDC_IPV6};
    }
    return {{P4::IDC_ADDRESS_OCTET1, P4::IDC_ADDRESS_OCTET2, P4::IDC_ADDRESS_OCTET3,
             P4::IDC_ADDRESS_OCTET4},
            {P4::IDC_MASK_OCTET1, P4::IDC_MASK_OCTET2, P4::IDC_MASK_OCTET3, P4::IDC_MASK_OCTET4},
            {P4::IDC_GATEWAY_OCTET1, P4::IDC_GATEWAY_OCTET2, P4::IDC_GATEWAY_OCTET3,
             P4::IDC_GATEWAY_OCTET4},
            P4::IDC_V6_ADDRESS,
            P4::IDC_PREFIX,
            P4::IDC_V6_GATEWAY,
            P4::IDC_IPV6};
}

inline std::uint32_t Ip(int a, int b, int c, int d) {
    return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(b) << 16 |
           static_cast<std::uint32_t>(c) << 8 | static_cast<std::uint32_t>(d);
}

inline std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// Message texts as the string table installed words them.
inline std::wstring NotValid(int label) {
    return platform::LoadFormatted(IDS_NOT_VALID_UNIQUE, {platform::LoadName(label)});
}
inline std::wstring NotSameSubnet(int label) {
    return platform::LoadFormatted(IDS_NOT_SAME_SUBNET,
                                   {platform::LoadName(IDS_IP_ADDRESS), platform::LoadName(label)});
}

class PageLogic : public ::testing::Test {
  protected:
    // A sheet shown by the driver, closed by it as it goes.
    struct CloseSheet {
        PageDriver* driver;
        void operator()(CMyPropertySheet* sheet) const {
            driver->Close(*sheet);
            delete sheet;
        }
    };
    using ShownSheet = std::unique_ptr<CMyPropertySheet, CloseSheet>;

    void SetUp() override {
        SetUnifiedValueStore(nullptr);
        // The scratch folder stands for a key's top folder unless a test says otherwise.
        platform::SetKeyPlaceProbe([this] { return place; });
        // The caption of the messages pages own, as the program sets it.
        framework::SetApplicationName(LoadToolTitle());
    }
    void TearDown() override {
        SetUnifiedValueStore(nullptr);
        platform::SetKeyPlaceProbe(nullptr);
    }

    ShownSheet Open(int index) {
        ShownSheet sheet(new CMyPropertySheet(index), CloseSheet{driver.get()});
        sheet->SetActivePage(index);
        driver->Show(*sheet);
        return sheet;
    }
    void Next(CMyPropertySheet& sheet) { driver->Press(sheet, SheetButton::Next); }
    void Back(CMyPropertySheet& sheet) { driver->Press(sheet, SheetButton::Back); }
    void Finish(CMyPropertySheet& sheet) { driver->Press(sheet, SheetButton::Finish); }
    void Cancel(CMyPropertySheet& sheet) { driver->Press(sheet, SheetButton::Cancel); }
    void TypeRow(framework::CPropertyPageEx& page, const std::array<int, 4>& ids,
                 const std::array<const wchar_t*, 4>& octets) {
        for (int i = 0; i < 4; ++i) {
            driver->Type(page, ids[i], octets[i]);
        }
    }
    // The storage system's values, as the first unified page accepts them.
    static void StoreFirstUnifiedPage(std::uint32_t cluster = Ip(192, 168, 1, 10),
                                      std::uint32_t mask = Ip(255, 255, 255, 0),
                                      std::uint32_t gateway = Ip(192, 168, 1, 1)) {
        SetUnifiedClusterIp(&cluster);
        SetUnifiedMask(&mask);
        SetUnifiedGateway(&gateway);
    }
    // The entries that let each page's Next go on.
    void FillValid(CMyPropertySheet& sheet, int index) {
        switch (index) {
            case kPageConfigIP:
                TypeRow(sheet.m_pageConfigIP, BoxesOf(kPageConfigIP).address,
                        {L"192", L"168", L"1", L"50"});
                break;
            case kPageResetIP:
                driver->Click(sheet.m_pageResetIP, P4::IDC_RESET_DEFAULT);
                break;
            case kPageNeskP1:
                driver->TypeAddress(sheet.m_pageNeskP1, U1::IDC_ADDRESS, Ip(192, 168, 1, 10));
                driver->TypeAddress(sheet.m_pageNeskP1, U1::IDC_GATEWAY, Ip(192, 168, 1, 1));
                break;
            case kPageNeskP2:
                StoreFirstUnifiedPage();
                driver->TypeAddress(sheet.m_pageNeskP2, U2::IDC_MANAGEMENT, Ip(192, 168, 1, 20));
                driver->TypeAddress(sheet.m_pageNeskP2, U2::IDC_MODULE1, Ip(192, 168, 1, 21));
                driver->TypeAddress(sheet.m_pageNeskP2, U2::IDC_MODULE2, Ip(192, 168, 1, 22));
                driver->Select(sheet.m_pageNeskP2, U2::IDC_RANGE, 0);
                break;
            default:
                break;
        }
    }
    // One message was shown, owned by `owner`, with this text and caption (nullopt: the
    // application's name); and nothing was written.
    void ExpectRefused(const void* owner, const std::wstring& text,
                       const std::optional<std::wstring>& caption = std::nullopt) {
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].text, text);
        EXPECT_EQ(fake.messages[0].owner, owner);
        if (caption) {
            EXPECT_EQ(fake.messages[0].caption.value_or(L""), *caption);
        }
        EXPECT_FALSE(TempKey::Exists("satask.txt"));
        fake.messages.clear();
    }

    TempKey key;
    platform::KeyPlace place{key.path().wstring(), true, true};
    tests::FakePlatform fake;
    std::unique_ptr<tests::PageDriver> driver = tests::MakePageDriver();
};

}  // namespace tests
