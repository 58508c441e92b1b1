// The wizard's pages and the result dialogs, written once against the page driver and run on
// every backend (headless here and under Wine, Qt offscreen): navigation, the checks and
// where the focus goes after a refusal, the bytes on the key, the dialogs' buttons.
#include <gtest/gtest.h>

#include <functional>

#include "FakePlatform.h"
#include "PageDriver.h"
#include "TempDir.h"
#include "dialogs/ResultDialogs.h"
#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "wizard/MyPropertySheet.h"
#include "wizard/PageIds.h"
#include "wizard/ToolTitle.h"
#include "wizard/UnifiedValues.h"

namespace {

using namespace wizard;
using framework::PSWIZB_BACK;
using framework::PSWIZB_FINISH;
using framework::PSWIZB_NEXT;
using testing_support::TempKey;
using P = CMyPropertyPageConfigIP;

const std::array<int, 4> kAddress{P::IDC_ADDRESS_OCTET1, P::IDC_ADDRESS_OCTET2,
                                  P::IDC_ADDRESS_OCTET3, P::IDC_ADDRESS_OCTET4};
const std::array<int, 4> kMask{P::IDC_MASK_OCTET1, P::IDC_MASK_OCTET2, P::IDC_MASK_OCTET3,
                               P::IDC_MASK_OCTET4};
const std::array<int, 4> kGateway{P::IDC_GATEWAY_OCTET1, P::IDC_GATEWAY_OCTET2,
                                  P::IDC_GATEWAY_OCTET3, P::IDC_GATEWAY_OCTET4};

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

std::uint32_t Ip(int a, int b, int c, int d) {
    return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(b) << 16 |
           static_cast<std::uint32_t>(c) << 8 | static_cast<std::uint32_t>(d);
}

class PageLogic : public ::testing::Test {
  protected:
    void SetUp() override { SetUnifiedValueStore(nullptr); }
    void TearDown() override { SetUnifiedValueStore(nullptr); }

    std::unique_ptr<CMyPropertySheet> Open(int index) {
        auto sheet = std::make_unique<CMyPropertySheet>(index);
        sheet->SetActivePage(index);
        driver->Show(*sheet);
        return sheet;
    }
    void Next(CMyPropertySheet& sheet) {
        sheet.PressNext();
        driver->Settle(sheet);
    }
    void Back(CMyPropertySheet& sheet) {
        sheet.PressBack();
        driver->Settle(sheet);
    }
    void TypeRow(framework::CPropertyPageEx& page, const std::array<int, 4>& ids,
                 const std::array<const wchar_t*, 4>& octets) {
        for (int i = 0; i < 4; ++i) {
            driver->Type(page, ids[i], octets[i]);
        }
    }
    // The entries that let each page's Next go on.
    void FillValid(CMyPropertySheet& sheet, int index) {
        switch (index) {
            case kPageConfigIP:
                TypeRow(sheet.m_pageConfigIP, kAddress, {L"192", L"168", L"1", L"50"});
                break;
            case kPageResetIP:
                driver->Click(sheet.m_pageResetIP, CMyPropertyPageResetIP::IDC_RESET_DEFAULT);
                break;
            case kPageNeskP1: {
                auto& page = sheet.m_pageNeskP1;
                driver->TypeAddress(page, MyPropertyPageConfigNeskP1::IDC_ADDRESS,
                                    Ip(192, 168, 1, 10));
                driver->TypeAddress(page, MyPropertyPageConfigNeskP1::IDC_GATEWAY,
                                    Ip(192, 168, 1, 1));
                break;
            }
            case kPageNeskP2: {
                std::uint32_t cluster = Ip(192, 168, 1, 10), mask = Ip(255, 255, 255, 0),
                              gateway = Ip(192, 168, 1, 1);
                SetUnifiedClusterIp(&cluster);
                SetUnifiedMask(&mask);
                SetUnifiedGateway(&gateway);
                using P2 = MyPropertyPageConfigNeskP2;
                auto& page = sheet.m_pageNeskP2;
                driver->TypeAddress(page, P2::IDC_MANAGEMENT, Ip(192, 168, 1, 20));
                driver->TypeAddress(page, P2::IDC_MODULE1, Ip(192, 168, 1, 21));
                driver->TypeAddress(page, P2::IDC_MODULE2, Ip(192, 168, 1, 22));
                driver->Select(page, P2::IDC_RANGE, 0);
                break;
            }
            default:
                break;
        }
    }

    TempKey key;
    testing_support::FakePlatform fake;
    std::unique_ptr<testing_support::PageDriver> driver = testing_support::MakePageDriver();
};

// Every page: its buttons, where Back leads, where Next (with valid entries) leads, and what
// is then on the key.
TEST_F(PageLogic, EveryPagesButtonsBackAndNext) {
    struct Case {
        int page;
        int buttons;
        int back;  // the page Back leads to; -1: Back is disabled
        int next;  // the page Next leads to; -1: there is no Next
        std::string satask;
    };
    const std::string v4 =
        "satask mkcluster -clusterip 192.168.1.50 -gw 192.168.1.1 -mask 255.255.255.0";
    const std::string unified =
        "satask mknascluster -clusterip 192.168.1.10 -mask 255.255.255.0 -gw 192.168.1.1 "
        "-consoleip 192.168.1.20";
    const Case cases[] = {
        {kPageMain, PSWIZB_NEXT, -1, kPageConfigIP, ""},
        {kPageConfigIP, PSWIZB_BACK | PSWIZB_NEXT, kPageMain, kPageConfigIPDone, v4},
        {kPageConfigIPDone, PSWIZB_FINISH, -1, -1, ""},
        {kPageResetPasswordDone, PSWIZB_FINISH, -1, -1, "satask resetpassword"},
        {kPageResetIP, PSWIZB_BACK | PSWIZB_NEXT, kPageMain, kPageResetIPDone,
         "satask chserviceip -default"},
        {kPageResetIPDone, PSWIZB_FINISH, -1, -1, ""},
        {kPageExpand, PSWIZB_BACK | PSWIZB_FINISH, kPageMain, -1, ""},
        {kPageNeskP1, PSWIZB_BACK | PSWIZB_NEXT, kPageMain, kPageNeskP2, ""},
        {kPageNeskP2, PSWIZB_BACK | PSWIZB_NEXT, kPageNeskP1, kPageNeskDone, unified},
        {kPageNeskDone, PSWIZB_FINISH, -1, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("page " + std::to_string(c.page));
        {
            auto sheet = Open(c.page);
            EXPECT_EQ(sheet->Buttons(), c.buttons);
            EXPECT_EQ(driver->Caption(*sheet), LoadToolTitle());
            Back(*sheet);
            EXPECT_EQ(sheet->GetActiveIndex(), c.back < 0 ? c.page : c.back);
        }
        std::remove("satask.txt");
        auto sheet = Open(c.page);
        FillValid(*sheet, c.page);
        Next(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), c.next < 0 ? c.page : c.next);
        EXPECT_EQ(TempKey::Read("satask.txt"), c.satask);
        EXPECT_TRUE(fake.messages.empty());
        if (c.buttons & PSWIZB_FINISH) {
            sheet->PressFinish();
            EXPECT_EQ(sheet->Result(), 1);
        }
    }
}

TEST_F(PageLogic, MainMenuChoicesLeadToTheirPages) {
    const std::pair<int, int> choices[] = {
        {CMyPropertyPageMain::IDC_NEW_SYSTEM, kPageConfigIP},
        {CMyPropertyPageMain::IDC_ADD_ENCLOSURE, kPageExpand},
        {CMyPropertyPageMain::IDC_RESET_PASSWORD, kPageResetPasswordDone},
        {CMyPropertyPageMain::IDC_SERVICE_IP, kPageResetIP},
    };
    for (const auto& [choice, page] : choices) {
        auto sheet = Open(kPageMain);
        driver->Click(sheet->m_pageMain, choice);
        for (const auto& [other, unused] : choices) {
            EXPECT_EQ(sheet->m_pageMain.Ctl().IsChecked(other), other == choice);
        }
        Next(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), page) << choice;
        Back(*sheet);  // Back from any of them is the main menu, its choice kept
        if (sheet->GetActiveIndex() == kPageMain) {
            EXPECT_TRUE(sheet->m_pageMain.Ctl().IsChecked(choice));
        }
    }
}

// The new-system page refuses in the order of its rows, puts the focus on the box to mend,
// and writes nothing; the message is owned by the page.
TEST_F(PageLogic, NewSystemChecksInOrderAndFocusesTheBox) {
    struct Case {
        std::array<const wchar_t*, 4> address, mask, gateway;
        int focus;
    };
    const Case cases[] = {
        {{L"0", L"0", L"0", L"0"},
         {L"255", L"255", L"255", L"0"},
         {L"0", L"0", L"0", L"1"},
         kAddress[0]},
        {{L"10", L"999", L"0", L"5"},
         {L"255", L"255", L"255", L"0"},
         {L"10", L"0", L"0", L"1"},
         kAddress[1]},
        {{L"10", L"0", L"0", L"5"}, {L"0", L"0", L"0", L"0"}, {L"10", L"0", L"0", L"1"}, kMask[0]},
        {{L"10", L"0", L"0", L"5"},
         {L"255", L"255", L"255", L"0"},
         {L"10", L"0", L"0", L"300"},
         kGateway[3]},
    };
    for (const Case& c : cases) {
        auto sheet = Open(kPageConfigIP);
        auto& page = sheet->m_pageConfigIP;
        TypeRow(page, kAddress, c.address);
        TypeRow(page, kMask, c.mask);
        TypeRow(page, kGateway, c.gateway);
        fake.messages.clear();
        Next(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), kPageConfigIP);
        ASSERT_EQ(fake.messages.size(), 1u) << c.focus;
        EXPECT_EQ(fake.messages[0].owner, driver->Owner(page));
        EXPECT_EQ(driver->Focused(page), c.focus);
        EXPECT_FALSE(TempKey::Exists("satask.txt"));
    }
}

// The address row fills the gateway row as it is typed: its first three octets, then 1.
TEST_F(PageLogic, TheAddressRowPrefillsTheGateway) {
    auto sheet = Open(kPageConfigIP);
    TypeRow(sheet->m_pageConfigIP, kAddress, {L"10", L"20", L"30", L"40"});
    std::wstring gateway;
    for (int id : kGateway) {
        gateway += sheet->m_pageConfigIP.Ctl().Text(id) + L".";
    }
    EXPECT_EQ(gateway, L"10.20.30.1.");
}

// Every task the pages write, byte for byte.
TEST_F(PageLogic, EveryTaskIsWrittenByteForByte) {
    struct Case {
        const char* name;
        int page;
        std::function<void(CMyPropertySheet&, testing_support::PageDriver&)> fill;
        std::string satask;
    };
    const Case cases[] = {
        {"new system, IPv6", kPageConfigIP,
         [](CMyPropertySheet& s, testing_support::PageDriver& d) {
             auto& page = s.m_pageConfigIP;
             d.Click(page, P::IDC_IPV6);
             d.Type(page, P::IDC_V6_ADDRESS, L"2001:db8::50");
             d.Type(page, P::IDC_PREFIX, L"64");
             d.Type(page, P::IDC_V6_GATEWAY, L"2001:db8::1");
         },
         "satask mkcluster -clusterip_6 2001:db8::50 -gw_6 2001:db8::1 -prefix_6 64"},
        {"service IP, IPv4", kPageResetIP,
         [](CMyPropertySheet& s, testing_support::PageDriver& d) {
             using R = CMyPropertyPageResetIP;
             const int ids[] = {R::IDC_ADDRESS_OCTET1, R::IDC_ADDRESS_OCTET2, R::IDC_ADDRESS_OCTET3,
                                R::IDC_ADDRESS_OCTET4};
             const wchar_t* octets[] = {L"10", L"1", L"2", L"30"};
             for (int i = 0; i < 4; ++i) {
                 d.Type(s.m_pageResetIP, ids[i], octets[i]);
             }
         },
         "satask chserviceip -serviceip 10.1.2.30 -gw 10.1.2.1 -mask 255.255.255.0"},
        {"service IP, IPv6", kPageResetIP,
         [](CMyPropertySheet& s, testing_support::PageDriver& d) {
             using R = CMyPropertyPageResetIP;
             auto& page = s.m_pageResetIP;
             d.Click(page, R::IDC_IPV6);
             d.Type(page, R::IDC_V6_ADDRESS, L"fd00::5");
             d.Type(page, R::IDC_PREFIX, L"064");
             d.Type(page, R::IDC_V6_GATEWAY, L"fd00::1");
         },
         "satask chserviceip -serviceip_6 fd00::5 -gw_6 fd00::1 -prefix_6 064"},
    };
    for (const Case& c : cases) {
        std::remove("satask.txt");
        auto sheet = Open(c.page);
        c.fill(*sheet, *driver);
        Next(*sheet);
        EXPECT_EQ(TempKey::Read("satask.txt"), c.satask) << c.name;
        EXPECT_EQ(sheet->GetActiveIndex(), c.page + 1) << c.name;
    }
    auto sheet = Open(kPageNeskP2);
    FillValid(*sheet, kPageNeskP2);
    Next(*sheet);
    EXPECT_EQ(TempKey::Read("cfgtask.txt"),
              "cfginit --ip=192.168.1.20 --netmask=255.255.255.0 --gateway=192.168.1.1 "
              "--serviceip1=192.168.1.21 --serviceip2=192.168.1.22 --internalips=10.254.8.1  "
              "--veltaraip=192.168.1.10");
}

// The unified pages refuse with the field's label as the caption, keep the page, and put the
// focus on the field to mend (the other field, where a same-subnet message names two).
TEST_F(PageLogic, UnifiedPagesRefuseWithTheFieldAsCaptionAndFocusIt) {
    using P1 = MyPropertyPageConfigNeskP1;
    using P2 = MyPropertyPageConfigNeskP2;
    struct Entry {
        int control;
        std::uint32_t value;
    };
    struct Case {
        int page;
        std::vector<Entry> typed;
        bool range;
        int caption;
        int focus;
    };
    const std::uint32_t a = Ip(192, 168, 1, 10), m = Ip(255, 255, 255, 0), g = Ip(192, 168, 1, 1);
    const Case cases[] = {
        {kPageNeskP1, {}, false, IDS_IP_ADDRESS, P1::IDC_ADDRESS},
        {kPageNeskP1,
         {{P1::IDC_ADDRESS, a}, {P1::IDC_MASK, a}},
         false,
         IDS_SUBNET_MASK,
         P1::IDC_MASK},
        {kPageNeskP1,
         {{P1::IDC_ADDRESS, a}, {P1::IDC_GATEWAY, a}},
         false,
         IDS_GATEWAY,
         P1::IDC_GATEWAY},
        {kPageNeskP1,
         {{P1::IDC_ADDRESS, a}, {P1::IDC_GATEWAY, Ip(10, 0, 0, 1)}},
         false,
         IDS_IP_ADDRESS,
         P1::IDC_ADDRESS},
        {kPageNeskP2, {}, true, IDS_MANAGEMENT_IP, P2::IDC_MANAGEMENT},
        {kPageNeskP2,
         {{P2::IDC_MANAGEMENT, Ip(192, 168, 1, 20)}, {P2::IDC_MODULE1, Ip(192, 168, 1, 20)}},
         true,
         IDS_FILE_MODULE1,
         P2::IDC_MODULE1},
        {kPageNeskP2,
         {{P2::IDC_MANAGEMENT, Ip(192, 168, 1, 20)}, {P2::IDC_MODULE1, Ip(192, 168, 1, 21)}},
         true,
         IDS_FILE_MODULE2,
         P2::IDC_MODULE2},
        {kPageNeskP2,
         {{P2::IDC_MANAGEMENT, Ip(192, 168, 1, 20)},
          {P2::IDC_MODULE1, Ip(192, 168, 1, 21)},
          {P2::IDC_MODULE2, Ip(192, 168, 1, 22)}},
         false,
         IDS_INTERNAL_RANGE,
         P2::IDC_RANGE},
        {kPageNeskP2,
         {{P2::IDC_MANAGEMENT, Ip(192, 168, 1, 20)},
          {P2::IDC_MODULE1, Ip(192, 168, 1, 21)},
          {P2::IDC_MODULE2, Ip(192, 168, 2, 22)}},
         true,
         IDS_IP_ADDRESS,
         P2::IDC_MODULE2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.focus);
        std::uint32_t cluster = a, mask = m, gateway = g;
        SetUnifiedClusterIp(&cluster);
        SetUnifiedMask(&mask);
        SetUnifiedGateway(&gateway);
        auto sheet = Open(c.page);
        auto& page = *sheet->GetPage(c.page);
        for (const Entry& entry : c.typed) {
            driver->TypeAddress(page, entry.control, entry.value);
        }
        if (c.range) {
            driver->Select(page, P2::IDC_RANGE, 0);
        }
        fake.messages.clear();
        Next(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), c.page);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].caption.value_or(L""), platform::LoadText(c.caption));
        EXPECT_EQ(fake.messages[0].owner, driver->Owner(page));
        EXPECT_EQ(driver->Focused(page), c.focus);
        EXPECT_FALSE(TempKey::Exists("satask.txt"));
    }
}

// Every page starts with the focus where a keyboard user needs it: on the control the page
// chose, else its first control, else (pages that only inform) the default button; never
// on a control of a page left behind, never nowhere.
TEST_F(PageLogic, EveryPageStartsWithTheFocusWhereTheKeyboardNeedsIt) {
    using testing_support::SheetButton;
    const std::pair<int, int> controls[] = {
        {kPageMain, CMyPropertyPageMain::IDC_NEW_SYSTEM},
        {kPageConfigIP, P::IDC_ADDRESS_OCTET1},
        {kPageResetIP, CMyPropertyPageResetIP::IDC_CONFIGURE},
        {kPageNeskP1, MyPropertyPageConfigNeskP1::IDC_ADDRESS},
        {kPageNeskP2, MyPropertyPageConfigNeskP2::IDC_MANAGEMENT},
    };
    for (const auto& [index, control] : controls) {
        auto sheet = Open(index);
        EXPECT_EQ(driver->Focused(*sheet->GetPage(index)), control) << index;
    }
    for (int index : {kPageConfigIPDone, kPageResetPasswordDone, kPageResetIPDone, kPageExpand,
                      kPageNeskDone}) {
        auto sheet = Open(index);
        EXPECT_EQ(driver->FocusedButton(*sheet), SheetButton::Finish) << index;
    }
    // Arrived by Next: the done page's Finish, not the octet box of the page before.
    auto sheet = Open(kPageConfigIP);
    FillValid(*sheet, kPageConfigIP);
    Next(*sheet);
    ASSERT_EQ(sheet->GetActiveIndex(), kPageConfigIPDone);
    EXPECT_EQ(driver->Focused(sheet->m_pageConfigIP), 0);
    EXPECT_EQ(driver->FocusedButton(*sheet), SheetButton::Finish);
    // Back to the main menu: its choice, not the box left on page 1.
    auto again = Open(kPageMain);
    Next(*again);
    Back(*again);
    EXPECT_EQ(driver->Focused(again->m_pageMain), CMyPropertyPageMain::IDC_NEW_SYSTEM);
}

// Cancel removes the task files of the done pages the user reached, and only those.
TEST_F(PageLogic, CancelRemovesWhatTheDonePagesWrote) {
    for (int page : {kPageConfigIPDone, kPageResetPasswordDone, kPageResetIPDone, kPageNeskDone,
                     kPageExpand, kPageMain}) {
        TempKey::Write("satask.txt", "x");
        TempKey::Write("cfgtask.txt", "y");
        auto sheet = Open(page);
        sheet->Cancel();
        EXPECT_EQ(sheet->Result(), 2);
        const bool done = page == kPageConfigIPDone || page == kPageResetPasswordDone ||
                          page == kPageResetIPDone || page == kPageNeskDone;
        EXPECT_EQ(TempKey::Exists("satask.txt"), !done) << page;
        EXPECT_EQ(TempKey::Exists("cfgtask.txt"), page != kPageNeskDone) << page;
    }
}

// Every button of every result dialog: the code it ends the dialog with, or the page it
// opens. Launches end the program, so they run in a child.
TEST_F(PageLogic, EveryResultDialogButtonEndsOrLaunchesAsItShould) {
    using namespace dialogs;
    struct Case {
        const char* name;
        std::function<std::unique_ptr<CResultDialog>()> make;
        int button;
        int result;       // the dialog's end code; 0: the program ends instead
        std::string url;  // what a launch opens
    };
    auto withIp = [](auto dialog) {
        dialog->m_strIP = L"10.0.0.5";
        dialog->m_strLaunchUrl = L"https://10.0.0.5";
        dialog->m_strManagementIP = L"10.0.0.20";
        return dialog;
    };
    const Case cases[] = {
        {"init ok: return", [&] { return withIp(std::make_unique<CConfigIPSuccessDlg>()); }, 1, 1,
         ""},
        {"init ok: launch GUI", [&] { return withIp(std::make_unique<CConfigIPSuccessDlg>()); },
         1002, 0, "https://10.0.0.5"},
        {"init failed: service assistant", [] { return std::make_unique<CConfigIPFailureDlg>(); },
         1, 1, ""},
        {"init failed: try again", [] { return std::make_unique<CConfigIPFailureDlg>(); }, 2, 2,
         ""},
        {"reset ok: return", [&] { return withIp(std::make_unique<CResetPasswordSuccessDlg>()); },
         2, 2, ""},
        {"reset ok: GUI", [&] { return withIp(std::make_unique<CResetPasswordSuccessDlg>()); },
         1025, 0, "https://10.0.0.5"},
        {"reset ok: service assistant",
         [&] { return withIp(std::make_unique<CResetPasswordSuccessDlg>()); }, 1090, 0,
         "http://10.0.0.5/service"},
        {"reset failed: try again", [] { return std::make_unique<CResetPasswordFailureDlg>(); }, 1,
         1, ""},
        {"reset failed: return", [] { return std::make_unique<CResetPasswordFailureDlg>(); }, 2, 2,
         ""},
        {"service ok: return", [&] { return withIp(std::make_unique<CResetIPSuccessDlg>()); }, 2, 2,
         ""},
        {"service ok: GUI", [&] { return withIp(std::make_unique<CResetIPSuccessDlg>()); }, 1025, 0,
         "http://10.0.0.5"},
        {"service ok: service assistant",
         [&] { return withIp(std::make_unique<CResetIPSuccessDlg>()); }, 1090, 0,
         "http://10.0.0.5/service"},
        {"service failed: try again", [] { return std::make_unique<CResetIPFailureDlg>(); }, 1, 1,
         ""},
        {"service failed: return", [] { return std::make_unique<CResetIPFailureDlg>(); }, 2, 2, ""},
        {"unified ok: return", [&] { return withIp(std::make_unique<CConfigNeskSuccessDlg>()); }, 1,
         1, ""},
        {"unified ok: launch GUI",
         [&] { return withIp(std::make_unique<CConfigNeskSuccessDlg>()); }, 1002, 0,
         "https://10.0.0.5"},  // the flow puts the management address there
        {"unified failed: try again", [] { return std::make_unique<CConfigNeskFailureDlg>(); }, 1,
         1, ""},
    };
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dialog = c.make();
        dialog->Create();
        ASSERT_NE(dialog->Template().Find(c.button), nullptr);
        if (c.result != 0) {
            driver->Click(*dialog, c.button);
            EXPECT_EQ(dialog->Result(), c.result);
            EXPECT_TRUE(fake.launches.empty());
        } else {
            EXPECT_EXIT(driver->Click(*dialog, c.button), ::testing::ExitedWithCode(0),
                        "open-url <" + c.url + ">\nend-program 0 after 1 launch");
        }
    }
    // A launch with no address to open is told in a message the dialog owns, then the
    // program ends: nothing reported, reported empty, brackets alone.
    for (const wchar_t* reported : {L"", L"[]", L"x", L"[x]", L" [ ] "}) {
        CResetIPSuccessDlg dialog;
        dialog.m_strIP = reported;
        dialog.Create();
        driver->Show(dialog);
        const void* owner = driver->Owner(dialog);
        fake.onMessage = [owner](const platform::MessageRequest& m) {
            std::fprintf(stderr, "message <%ls> %s\n", m.text.c_str(),
                         m.owner == owner ? "owned by the dialog" : "without the dialog");
        };
        for (int button : {1025, 1090}) {
            EXPECT_EXIT(driver->Click(dialog, button), ::testing::ExitedWithCode(0),
                        "message <" + Narrow(platform::LoadText(IDS_FW_LAUNCH_NO_ADDRESS)) +
                            "> owned by the dialog\nend-program 0 after 0 launch")
                << Narrow(reported) << " " << button;
        }
        fake.onMessage = nullptr;
    }
    // Launch Info Center opens the documentation and the dialog stays.
    CConfigNeskFailureDlg failure;
    failure.Create();
    driver->Click(failure, 1126);
    EXPECT_EQ(fake.launches,
              std::vector<std::wstring>{L"https://www.quorvex.com/support/docs/"
                                        L"veltara-k4400/installation/troubleshooting"});
    EXPECT_EQ(failure.Result(), 0);
}

}  // namespace
