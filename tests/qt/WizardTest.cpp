// The sheet and its navigation, the main menu and the information and done pages.
#include <QLayout>
#include <filesystem>
#include <functional>

#include "QtTest.h"
#include "wizard/PageIds.h"

namespace tests {
namespace {

using namespace tests;
using namespace wizard;
using tests::TempKey;

struct ButtonState {
    bool back, next, finish;
};

ButtonState Buttons(TestSheet& sheet) {
    return {sheet.BackButton()->isEnabled(),
            sheet.NextButton()->isVisible() && sheet.NextButton()->isEnabled(),
            sheet.FinishButton()->isVisible() && sheet.FinishButton()->isEnabled()};
}

class Wizard : public QtTest {};

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

// The sheet's one size comes from the pages measured on records, without widgets: what they
// need must be what the same pages need as widgets, in every language's texts, or the sheet
// would be made too small (and grow) or too large.
template <class Page>
framework::WindowSize MeasuredAlone() {
    Page page;
    return page.Measure();
}

TEST_F(Wizard, PagesMeasuredOnRecordsNeedWhatTheirWidgetsNeed) {
    const std::function<framework::WindowSize()> alone[] = {
        MeasuredAlone<CMyPropertyPageMain>,         MeasuredAlone<CMyPropertyPageConfigIP>,
        MeasuredAlone<CMyPropertyPageConfigIPDone>, MeasuredAlone<CMyPropertyPageResetPasswordDone>,
        MeasuredAlone<CMyPropertyPageResetIP>,      MeasuredAlone<CMyPropertyPageResetIPDone>,
        MeasuredAlone<CMyPropertyPageExpand>,       MeasuredAlone<MyPropertyPageConfigNeskP1>,
        MeasuredAlone<MyPropertyPageConfigNeskP2>,  MeasuredAlone<MyPropertyPageConfigNeskDone>};
    for (const char* language : {"en_US", "de_DE", "fr_FR", "ja_JP"}) {
        framework::qt::InstallLanguage(language);
        auto sheet = Open(kPageMain);
        for (int index = 0; index < sheet->GetPageCount(); ++index) {
            sheet->SetActivePage(index);
            const framework::WindowSize widgets = sheet->GetPage(index)->Window()->Relayout();
            const framework::WindowSize records = alone[index]();
            EXPECT_EQ(records.cx, widgets.cx) << language << ", page " << index;
            EXPECT_EQ(records.cy, widgets.cy) << language << ", page " << index;
        }
        std::filesystem::remove("satask.txt");
    }
    framework::qt::InstallLanguage("en_US");
}

}  // namespace
}  // namespace tests
