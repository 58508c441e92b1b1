// The sheet and its navigation, the main menu and the information and done pages.
#include <QLayout>

#include "UiTest.h"
#include "wizard/PageIds.h"

namespace {

using namespace uitest;
using namespace wizard;
using testing_support::TempKey;

struct ButtonState {
    bool back, next, finish;
};

ButtonState Buttons(TestSheet& sheet) {
    return {sheet.BackButton()->isEnabled(),
            sheet.NextButton()->isVisible() && sheet.NextButton()->isEnabled(),
            sheet.FinishButton()->isVisible() && sheet.FinishButton()->isEnabled()};
}

class Wizard : public UiTest {};

TEST_F(Wizard, EveryPageHasItsButtonsAndTheToolTitle) {
    const ButtonState expected[10] = {
        {false, true, false}, {true, true, false},  {false, false, true}, {false, false, true},
        {true, true, false},  {false, false, true}, {true, false, true},  {true, true, false},
        {true, true, false},  {false, false, true}};
    for (int index = 0; index < 10; ++index) {
        auto sheet = Open(index);
        const ButtonState state = Buttons(*sheet);
        EXPECT_EQ(state.back, expected[index].back) << "page " << index;
        EXPECT_EQ(state.next, expected[index].next) << "page " << index;
        EXPECT_EQ(state.finish, expected[index].finish) << "page " << index;
        EXPECT_TRUE(sheet->CancelButton()->isEnabled());
        EXPECT_EQ(sheet->Dialog()->windowTitle(), "Quorvex Veltara K4400 Initialization Tool");
        EXPECT_EQ(sheet->GetActiveIndex(), index);
    }
}

TEST_F(Wizard, MainMenuLeadsToTheChosenTaskAndRemembersIt) {
    struct Case {
        int option;
        int target;
    };
    const Case cases[] = {{CMyPropertyPageMain::IDC_NEW_SYSTEM, kPageConfigIP},
                          {CMyPropertyPageMain::IDC_ADD_ENCLOSURE, kPageExpand},
                          {CMyPropertyPageMain::IDC_SERVICE_IP, kPageResetIP},
                          {CMyPropertyPageMain::IDC_RESET_PASSWORD, kPageResetPasswordDone}};
    auto sheet = Open(kPageMain);
    EXPECT_TRUE(
        Control<QRadioButton>(sheet->m_pageMain, CMyPropertyPageMain::IDC_NEW_SYSTEM)->isChecked());
    for (const Case& c : cases) {
        Control<QRadioButton>(sheet->m_pageMain, c.option)->click();
        Next(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), c.target);
        if (c.target == kPageResetPasswordDone) {
            break;  // no way back from a done page
        }
        Back(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), kPageMain);
        // The option chosen last is selected again.
        EXPECT_TRUE(Control<QRadioButton>(sheet->m_pageMain, c.option)->isChecked());
    }
}

TEST_F(Wizard, NoOptionSelectedLeadsToTheNewSystemPage) {
    auto sheet = Open(kPageMain);
    auto* option = Control<QRadioButton>(sheet->m_pageMain, CMyPropertyPageMain::IDC_NEW_SYSTEM);
    option->group()->setExclusive(false);
    option->setChecked(false);
    Next(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageConfigIP);
}

TEST_F(Wizard, BackFromLaterPagesNamesItsTarget) {
    const std::pair<int, int> cases[] = {{kPageConfigIP, kPageMain},
                                         {kPageResetIP, kPageMain},
                                         {kPageExpand, kPageMain},
                                         {kPageNeskP1, kPageMain},
                                         {kPageNeskP2, kPageNeskP1}};
    for (const auto& [from, to] : cases) {
        auto sheet = Open(from);
        Back(*sheet);
        EXPECT_EQ(sheet->GetActiveIndex(), to) << "Back from " << from;
    }
}

TEST_F(Wizard, MainMenuNoteNamesTheProduct) {
    auto sheet = Open(kPageMain);
    EXPECT_EQ(sheet->m_pageMain.Ctl().Text(CMyPropertyPageMain::IDC_NOTE),
              L"Note: You must have physical access to the Veltara K4400 system to complete "
              L"initialization.  You are required to insert the USB key into the system.");
    EXPECT_EQ(DlgText(sheet->m_pageMain, CMyPropertyPageMain::IDC_ADD_ENCLOSURE),
              "Add an enclosure to an existing system");
}

TEST_F(Wizard, TitlesStayBoldWithoutChangingSize) {
    auto sheet = Open(kPageMain);
    Next(*sheet);
    QWidget* title = Widget(sheet->m_pageConfigIP, IDC_TITLE);
    const QSize size = title->size();
    for (int visit = 0; visit < 3; ++visit) {
        EXPECT_EQ(title->font().weight(), QFont::Bold);
        EXPECT_EQ(title->size(), size);
        Back(*sheet);
        Next(*sheet);
    }
    EXPECT_EQ(DlgText(sheet->m_pageConfigIP, IDC_TITLE), "Initialize a New System");
}

TEST_F(Wizard, OpeningOnThePasswordResetPageWritesTheTaskAtOnce) {
    auto sheet = Open(kPageResetPasswordDone);
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask resetpassword");
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_EQ(DlgText(sheet->m_pageResetPasswordDone, IDC_TITLE), "Reset Superuser Password");
}

// With no task file on the key the page never says "Click Finish to reset": it says nothing
// was written and offers Back, and coming back to it tries the write again.
TEST_F(Wizard, APasswordResetThatCannotBeWrittenSaysSoAndOffersBack) {
    std::filesystem::create_directory("satask.txt");
    auto sheet = Open(kPageResetPasswordDone);
    CMyPropertyPageResetPasswordDone& page = sheet->m_pageResetPasswordDone;
    EXPECT_EQ(fake.texts(),
              std::vector<std::wstring>{Text(171) + L"\n\n" + Formatted(9017, L"satask.txt")});
    EXPECT_EQ(sheet->GetActiveIndex(), kPageResetPasswordDone);
    EXPECT_EQ(page.Ctl().Text(1065), Text(9030));
    EXPECT_FALSE(Widget(page, 1066)->isVisible());
    EXPECT_FALSE(sheet->FinishButton()->isVisible() && sheet->FinishButton()->isEnabled());
    EXPECT_FALSE(sheet->NextButton()->isEnabled());
    ASSERT_TRUE(sheet->BackButton()->isEnabled());
    Back(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageMain);

    std::filesystem::remove("satask.txt");  // the user mends the key and tries again
    Control<QRadioButton>(sheet->m_pageMain, CMyPropertyPageMain::IDC_RESET_PASSWORD)->click();
    Next(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageResetPasswordDone);
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask resetpassword");
    EXPECT_EQ(page.Ctl().Text(1065), Text(129));
    EXPECT_TRUE(Widget(page, 1066)->isVisible());
    EXPECT_TRUE(sheet->FinishButton()->isEnabled());
    EXPECT_FALSE(sheet->BackButton()->isEnabled());
}

TEST_F(Wizard, CancelRemovesTheTaskFilesOfDonePagesOnly) {
    struct Case {
        int page;
        bool removesTask, removesFileModuleTask;
    };
    const Case cases[] = {{kPageConfigIPDone, true, false}, {kPageResetPasswordDone, true, false},
                          {kPageResetIPDone, true, false},  {kPageNeskDone, true, true},
                          {kPageExpand, false, false},      {kPageConfigIP, false, false},
                          {kPageNeskP2, false, false}};
    for (const Case& c : cases) {
        for (bool finish : {false, true}) {
            TempKey::Write("satask.txt", "satask chserviceip -default");
            TempKey::Write("cfgtask.txt", "cfginit");
            auto sheet = Open(c.page);
            const QString task = QString::fromStdString(TempKey::Read("satask.txt"));
            if (finish && sheet->FinishButton()->isVisible()) {
                QTest::mouseClick(sheet->FinishButton(), Qt::LeftButton);
                EXPECT_EQ(sheet->result(), 1);
                EXPECT_TRUE(TempKey::Exists("satask.txt"));
                EXPECT_EQ(QString::fromStdString(TempKey::Read("satask.txt")), task);
                EXPECT_TRUE(TempKey::Exists("cfgtask.txt"));
                continue;
            }
            QTest::keyClick(sheet->Dialog(), Qt::Key_Escape);  // Escape is Cancel
            EXPECT_EQ(sheet->result(), 2);
            EXPECT_EQ(TempKey::Exists("satask.txt"), !c.removesTask) << "page " << c.page;
            EXPECT_EQ(TempKey::Exists("cfgtask.txt"), !c.removesFileModuleTask)
                << "page " << c.page;
        }
    }
}

TEST_F(Wizard, CancelOnTheUnifiedDonePageRemovesTheFileModuleTaskAlone) {
    TempKey::Write("cfgtask.txt", "cfginit");
    auto sheet = Open(kPageNeskDone);
    sheet->Dialog()->close();  // the close box is Cancel
    EXPECT_EQ(sheet->result(), 2);
    EXPECT_FALSE(TempKey::Exists("cfgtask.txt"));
}

TEST_F(Wizard, EnclosurePageShowsTheProcedureAndLeadsBack) {
    auto sheet = Open(kPageMain);
    Control<QRadioButton>(sheet->m_pageMain, CMyPropertyPageMain::IDC_ADD_ENCLOSURE)->click();
    Next(*sheet);
    ASSERT_EQ(sheet->GetActiveIndex(), kPageExpand);
    EXPECT_EQ(DlgText(sheet->m_pageExpand, 1095), "Add an Enclosure");
    EXPECT_EQ(DlgText(sheet->m_pageExpand, 1096), "1. Launch the Management GUI");
    EXPECT_EQ(sheet->m_pageExpand.Ctl().Text(1101), Text(181));
    Back(*sheet);
    EXPECT_EQ(sheet->GetActiveIndex(), kPageMain);
    EXPECT_TRUE(Control<QRadioButton>(sheet->m_pageMain, CMyPropertyPageMain::IDC_ADD_ENCLOSURE)
                    ->isChecked());
    EXPECT_EQ(key.path(), std::filesystem::current_path());
    EXPECT_TRUE(std::filesystem::is_empty("."));
}

TEST_F(Wizard, ResetPasswordPathFromTheMainMenu) {
    auto sheet = Open(kPageMain);
    Control<QRadioButton>(sheet->m_pageMain, CMyPropertyPageMain::IDC_RESET_PASSWORD)->click();
    Next(*sheet);
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask resetpassword");
    EXPECT_EQ(sheet->m_pageResetPasswordDone.Ctl().Text(1065), Text(129));
    QTest::keyClick(sheet->Dialog(), Qt::Key_Return);  // Enter is Finish
    EXPECT_EQ(sheet->result(), 1);
    EXPECT_EQ(TempKey::Read("satask.txt"), "satask resetpassword");
}

TEST_F(Wizard, PagesAreCreatedOnFirstActivation) {
    auto sheet = Open(kPageMain);
    for (int index = 1; index < 10; ++index) {
        EXPECT_FALSE(sheet->GetPage(index)->IsCreated()) << index;
    }
    EXPECT_FALSE(TempKey::Exists("satask.txt"));
}

TEST_F(Wizard, EnterPressesTheFocusedButton) {
    auto sheet = Open(kPageMain);
    Next(*sheet);  // the new-system page
    sheet->CancelButton()->setFocus();
    QTest::keyClick(sheet->CancelButton(), Qt::Key_Return);
    EXPECT_EQ(sheet->result(), 2);
    EXPECT_FALSE(TempKey::Exists("satask.txt"));
}

TEST_F(Wizard, WizardButtonsHaveMnemonics) {
    auto sheet = Open(kPageMain);
    for (QPushButton* button : {sheet->BackButton(), sheet->NextButton(), sheet->FinishButton()}) {
        EXPECT_TRUE(button->text().contains('&')) << button->text().toStdString();
    }
}

// On a screen too small for the pages (a 640 x 480 screen at 200 %) the page area scrolls and
// the button bar stays in the window.
TEST_F(Wizard, TheButtonBarStaysInViewOnASmallScreen) {
    auto sheet = Open(kPageConfigIP);
    const QSize screen(320, 240);
    sheet->Dialog()->FitInto(screen);
    sheet->Dialog()->layout()->activate();
    Settle();
    EXPECT_LT(sheet->Dialog()->height(), screen.height());
    EXPECT_LE(sheet->Dialog()->width(), screen.width());
    for (QPushButton* button : {sheet->BackButton(), sheet->NextButton(), sheet->CancelButton()}) {
        const QRect inSheet(button->mapTo(sheet->Dialog(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(sheet->Dialog()->rect().contains(inSheet)) << button->text().toStdString();
    }
    // The page keeps its own size and scrolls.
    EXPECT_GT(framework::qt::PageWidget(*sheet->GetActivePage())->height(),
              sheet->Dialog()->height());

    sheet->Dialog()->FitInto(QSize(4000, 3000));  // a large screen: no scrolling
    sheet->Dialog()->layout()->activate();
    EXPECT_GE(sheet->Dialog()->height(),
              framework::qt::PageWidget(*sheet->GetActivePage())->height());
}

}  // namespace
