// The sheet's navigation on every backend: each page's buttons, where Back and Next lead,
// where the focus starts, what Finish and Cancel leave on the key.
#include <filesystem>

#include "PageTest.h"
#include "wizard/ToolTitle.h"

namespace tests {
namespace {

using framework::PSWIZB_BACK;
using framework::PSWIZB_FINISH;
using framework::PSWIZB_NEXT;

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
            Finish(*sheet);
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

// Every page starts with the focus where a keyboard user needs it: on the control the page
// chose, else its first control, else (pages that only inform) the default button; never
// on a control of a page left behind, never nowhere.
TEST_F(PageLogic, EveryPageStartsWithTheFocusWhereTheKeyboardNeedsIt) {
    using tests::SheetButton;
    const std::pair<int, int> controls[] = {
        {kPageMain, CMyPropertyPageMain::IDC_NEW_SYSTEM},
        {kPageConfigIP, P1::IDC_ADDRESS_OCTET1},
        {kPageResetIP, P4::IDC_CONFIGURE},
        {kPageNeskP1, U1::IDC_ADDRESS},
        {kPageNeskP2, U2::IDC_MANAGEMENT},
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

// Finish leaves the task files on the key; Cancel (the button, Escape, the close box) removes
// those of the done pages the user reached, and only those.
TEST_F(PageLogic, FinishKeepsAndCancelRemovesWhatTheDonePagesWrote) {
    struct Case {
        int page;
        bool removesTask, removesFileModuleTask;
    };
    const Case cases[] = {{kPageConfigIPDone, true, false}, {kPageResetPasswordDone, true, false},
                          {kPageResetIPDone, true, false},  {kPageNeskDone, true, true},
                          {kPageExpand, false, false},      {kPageConfigIP, false, false},
                          {kPageMain, false, false},        {kPageNeskP2, false, false}};
    for (const Case& c : cases) {
        for (bool finish : {false, true}) {
            TempKey::Write("satask.txt", "satask chserviceip -default");
            TempKey::Write("cfgtask.txt", "cfginit");
            auto sheet = Open(c.page);
            const std::string task = TempKey::Read("satask.txt");
            if (finish) {
                Finish(*sheet);
                if (!(sheet->Buttons() & PSWIZB_FINISH)) {
                    EXPECT_EQ(sheet->Result(), 0) << c.page;  // no Finish on this page
                    continue;
                }
                EXPECT_EQ(sheet->Result(), 1);
                EXPECT_EQ(TempKey::Read("satask.txt"), task);
                EXPECT_TRUE(TempKey::Exists("cfgtask.txt"));
                continue;
            }
            Cancel(*sheet);
            EXPECT_EQ(sheet->Result(), 2);
            EXPECT_EQ(TempKey::Exists("satask.txt"), !c.removesTask) << c.page;
            EXPECT_EQ(TempKey::Exists("cfgtask.txt"), !c.removesFileModuleTask) << c.page;
        }
    }
}

// With no task file on the key the page never says "Click Finish to reset": it says nothing
// was written and offers Back (with the focus on it), and coming back tries the write again.
TEST_F(PageLogic, APasswordResetThatCannotBeWrittenSaysSoAndOffersBack) {
    using R = CMyPropertyPageResetPasswordDone;
    std::filesystem::create_directory("satask.txt");
    place.topFolder = false;  // no task went anywhere: no warning of where it went
    auto sheet = Open(kPageResetPasswordDone);
    R& page = sheet->m_pageResetPasswordDone;
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text,
              platform::LoadText(IDS_TASKFILE_OPEN_FAILED) + L"\n\n" +
                  platform::LoadFormatted(IDS_FW_FILE_NOT_A_FILE, {L"satask.txt"}));
    EXPECT_EQ(page.Ctl().Text(R::IDC_EJECT), platform::LoadText(IDS_FW_RESET_NOT_WRITTEN));
    for (int id : {R::IDC_RETURN, R::IDC_PICTURE, IDC_KEY_WARNING}) {
        EXPECT_FALSE(page.Ctl().IsShown(id)) << id;
    }
    EXPECT_EQ(sheet->Buttons(), PSWIZB_BACK);
    EXPECT_EQ(driver->FocusedButton(*sheet), tests::SheetButton::Back);
    Back(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageMain);

    std::filesystem::remove("satask.txt");  // the user mends the key and tries again
    driver->Click(sheet->m_pageMain, CMyPropertyPageMain::IDC_RESET_PASSWORD);
    Next(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageResetPasswordDone);
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask resetpassword");
    EXPECT_EQ(page.Ctl().Text(R::IDC_EJECT), platform::LoadText(IDS_RESET_PASSWORD_EJECT));
    EXPECT_TRUE(page.Ctl().IsShown(R::IDC_RETURN));
    EXPECT_EQ(sheet->Buttons(), PSWIZB_FINISH);
}

// A task written to a folder that is not a key's top folder is never executed: each done
// page says so, naming the folder, in its pictures' place; on a key the pictures stay.
TEST_F(PageLogic, ADonePageWarnsOfAFolderTheSystemDoesNotRead) {
    const std::pair<int, std::vector<int>> pages[] = {
        {kPageConfigIPDone, {CMyPropertyPageConfigIPDone::IDC_PICTURE}},
        {kPageResetPasswordDone, {CMyPropertyPageResetPasswordDone::IDC_PICTURE}},
        {kPageResetIPDone, {CMyPropertyPageResetIPDone::IDC_PICTURE}},
        {kPageNeskDone,
         {MyPropertyPageConfigNeskDone::IDC_STEP1_PICTURE,
          MyPropertyPageConfigNeskDone::IDC_STEP2_PICTURE}},
    };
    for (const auto& [index, pictures] : pages) {
        for (const platform::KeyPlace& where :
             {platform::KeyPlace{L"/media/key/k4400", false, true},
              platform::KeyPlace{L"/home/admin", true, false}, platform::KeyPlace{}}) {
            place = where;
            auto sheet = Open(index);
            auto& page = *sheet->GetPage(index);
            EXPECT_EQ(page.Ctl().IsShown(IDC_KEY_WARNING), !where.OnKey()) << index;
            EXPECT_EQ(
                page.Ctl().Text(IDC_KEY_WARNING),
                where.OnKey() ? L"" : platform::LoadFormatted(IDS_FW_KEY_NOT_TOP, {where.folder}));
            for (int id : pictures) {
                EXPECT_EQ(page.Ctl().IsShown(id), where.OnKey()) << index;
            }
        }
    }
}

// Without a choice (none can be made by the user, but the group may start so) Next leads to
// the new-system page; the note names the product.
TEST_F(PageLogic, NoChoiceLeadsToTheNewSystemPage) {
    auto sheet = Open(kPageMain);
    EXPECT_EQ(
        sheet->m_pageMain.Ctl().Text(CMyPropertyPageMain::IDC_NOTE),
        platform::LoadFormatted(IDS_PHYSICAL_ACCESS_NOTE, {platform::LoadText(IDS_PRODUCT_NAME)}));
    sheet->m_pageMain.Ctl().SetCheck(CMyPropertyPageMain::IDC_NEW_SYSTEM, false);
    Next(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageConfigIP);
}

// Pages are made when first shown: opening the wizard writes nothing; the enclosure page
// shows its procedure, leads back to the main menu with its choice kept, and touches nothing.
TEST_F(PageLogic, PagesAreMadeWhenFirstShownAndTheEnclosurePageTouchesNothing) {
    using E = CMyPropertyPageExpand;
    auto sheet = Open(kPageMain);
    for (int index = 1; index < sheet->GetPageCount(); ++index) {
        EXPECT_FALSE(sheet->GetPage(index)->IsCreated()) << index;
    }
    driver->Click(sheet->m_pageMain, CMyPropertyPageMain::IDC_ADD_ENCLOSURE);
    Next(*sheet);
    ASSERT_EQ(sheet->GetActiveIndex(), kPageExpand);
    const std::pair<int, int> texts[] = {
        {E::IDC_EXPAND_TITLE, IDS_EXPAND_TITLE}, {E::IDC_INTRO, IDS_EXPAND_INTRO},
        {E::IDC_STEP1, IDS_EXPAND_STEP1},        {E::IDC_STEP1_TEXT, IDS_EXPAND_STEP1_TEXT},
        {E::IDC_STEP2, IDS_EXPAND_STEP2},        {E::IDC_STEP2_TEXT, IDS_EXPAND_STEP2_TEXT},
        {E::IDC_STEP3, IDS_EXPAND_STEP3},        {E::IDC_STEP3_TEXT, IDS_EXPAND_STEP3_TEXT}};
    for (const auto& [control, text] : texts) {
        EXPECT_EQ(sheet->m_pageExpand.Ctl().Text(control), platform::LoadText(text)) << control;
    }
    Back(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageMain);
    EXPECT_TRUE(sheet->m_pageMain.Ctl().IsChecked(CMyPropertyPageMain::IDC_ADD_ENCLOSURE));
    Next(*sheet);
    Finish(*sheet);
    EXPECT_EQ(sheet->Result(), 1);
    EXPECT_TRUE(std::filesystem::is_empty("."));
}

}  // namespace
}  // namespace tests
