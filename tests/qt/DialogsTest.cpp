// The result dialogs, and the start-up flow that reads the key and shows them.
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "QtTest.h"
#include "app/MyWizardApp.h"
#include "dialogs/ResultDialogs.h"
#include "framework/qt/Application.h"
#include "platform/Platform.h"

namespace tests {
namespace {

using namespace tests;
using namespace dialogs;
using tests::TempKey;

class Dialogs : public QtTest {};

TEST_F(Dialogs, TextsButtonsAndFocus) {
    struct Case {
        std::function<std::unique_ptr<CResultDialog>()> make;
        int header;
        int messageControl;
        std::wstring message;
        std::vector<std::pair<int, int>> buttons;  // in tab order: control, caption string
        int defaultButton;
    };
    const std::wstring product = L"Veltara K4400";
    const Case cases[] = {
        {[] { return std::make_unique<CConfigIPSuccessDlg>(); },
         146,
         1074,
         L"Veltara K4400 System was successfully configured with IP: ",
         {{1002, 149}, {1, 150}},
         1},
        {[] { return std::make_unique<CConfigIPFailureDlg>(); },
         151,
         1076,
         L"Veltara K4400 System was not configured successfully",
         {{1, 153}, {2, 155}},
         1},
        {[] { return std::make_unique<CResetPasswordSuccessDlg>(); },
         156,
         1078,
         L"Veltara K4400 System password was successfully reset to : kelpw1nd.",
         {{2, 150}, {1025, 149}, {1090, 153}},
         1090},
        {[] { return std::make_unique<CResetPasswordFailureDlg>(); },
         158,
         1079,
         L"Veltara K4400 System password was NOT reset successfully.",
         {{1, 155}, {2, 150}},
         1},
        {[] { return std::make_unique<CResetIPSuccessDlg>(); },
         162,
         1081,
         L"Veltara K4400 System Service Assistant IP address was successfully reset to: ",
         {{2, 150}, {1025, 149}, {1090, 153}},
         1090},
        {[] { return std::make_unique<CResetIPFailureDlg>(); },
         163,
         1082,
         L"Veltara K4400 System Service Assitant IP address  was NOT reset successfully.",
         {{1, 155}, {2, 150}},
         1},
        {[] { return std::make_unique<CConfigNeskSuccessDlg>(); },
         146,
         1125,
         L"The Veltara K4400 Unified was successfully configured with the following IP addresses:",
         {{1002, 149}, {1, 150}},
         1},
        {[] { return std::make_unique<CConfigNeskFailureDlg>(); },
         151,
         1128,
         L"Veltara K4400 File Module System was not configured successfully",
         {{1126, 195}, {1, 155}},
         1126},
    };
    for (const Case& c : cases) {
        auto dialog = c.make();
        dialog->Create();
        Box(*dialog)->show();
        Settle();
        EXPECT_EQ(Box(*dialog)->windowTitle(), "Quorvex Veltara K4400 Initialization Tool");
        EXPECT_EQ(dialog->Ctl().Text(1001), Text(c.header));
        EXPECT_EQ(Widget(*dialog, 1001)->font().weight(), QFont::Bold);
        EXPECT_EQ(dialog->Ctl().Text(c.messageControl), c.message);
        QWidget* expectedFocus = Widget(*dialog, c.buttons.front().first);
        EXPECT_EQ(Box(*dialog)->focusWidget(), expectedFocus) << dialog->GetTemplateId();
        // The default button, once the focus is on none of them.
        Box(*dialog)->setFocus();
        QWidget* current = expectedFocus;
        for (const auto& [id, caption] : c.buttons) {
            auto* button = WidgetAs<QPushButton>(*dialog, id);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text().toStdWString(), Text(caption));
            EXPECT_EQ(button->isDefault(), id == c.defaultButton)
                << dialog->GetTemplateId() << " " << id;
            EXPECT_EQ(current, button) << "tab order of " << dialog->GetTemplateId();
            current = current->nextInFocusChain();
            while (current->focusPolicy() == Qt::NoFocus || !current->isVisible()) {
                current = current->nextInFocusChain();
            }
        }
        // Escape ends every dialog with Cancel, also where there is no Cancel button.
        QTest::keyClick(Box(*dialog), Qt::Key_Escape);
        EXPECT_EQ(dialog->Result(), framework::IDCANCEL);
    }
}

TEST_F(Dialogs, UnifiedSuccessShowsItsFourRows) {
    CConfigNeskSuccessDlg dialog;
    dialog.m_strManagementIP = L"10.0.0.20";
    dialog.m_strStorageIP = L"10.0.0.10";
    dialog.m_strFileModule1IP = L"10.0.0.21";
    dialog.m_strFileModule2IP = L"2024-05-01 10:12:03 dorna ip2|10.0.0.22";  // as keys hold it
    dialog.Create();
    const std::pair<int, QString> rows[] = {{1130, "Management IP"},
                                            {1134, "10.0.0.20"},
                                            {1131, "Veltara K4400"},
                                            {1135, "10.0.0.10"},
                                            {1132, "Veltara K4400 File Module 1"},
                                            {1136, "10.0.0.21"},
                                            {1133, "Veltara K4400 File Module 2"},
                                            {1137, "2024-05-01 10:12:03 dorna ip2|10.0.0.22"}};
    for (const auto& [id, text] : rows) {
        EXPECT_EQ(DlgText(dialog, id), text);
        // Shown as it was set: the system's text character for character.
        EXPECT_EQ(qobject_cast<QLabel*>(Widget(dialog, id))->text(), text);
    }
    EXPECT_EQ(dialog.Ctl().Text(1140),
              L"To log into the Management GUI use \nUserID: admin \nPassword: brisk");
    // The two columns: values to the right of their labels, on the same line.
    EXPECT_GE(Widget(dialog, 1134)->x(), Widget(dialog, 1130)->geometry().right());
    EXPECT_EQ(Widget(dialog, 1134)->y(), Widget(dialog, 1130)->y());
}

TEST_F(Dialogs, HostileTextsFromTheKeyKeepTheDialogOnScreen) {
    // Addresses and times come from the key: 64 KiB of them must not make a giant window.
    std::wstring huge;
    for (int i = 0; i < 8000; ++i) {
        huge += L"10.0.0.1 ";
    }
    CConfigIPSuccessDlg success;
    success.m_strMessage += huge;
    success.m_strBattery = platform::LoadFormatted(148, {huge});
    success.Create();
    EXPECT_LT(Box(success)->height(), 1200);
    CConfigIPFailureDlg failure;
    failure.m_strError = huge;
    failure.Create();
    EXPECT_LT(Box(failure)->height(), 600);
    // Its first 8192 characters, scrollable, behind them an ellipsis; the member keeps all.
    EXPECT_EQ(failure.Ctl().Text(1077), CResultDialog::Shown(huge));
    EXPECT_EQ(failure.Ctl().Text(1077).size(), CResultDialog::kMostShown);
    EXPECT_EQ(failure.m_strError, huge);
}

// A message box's title is its caption and nothing else: Qt would append its display name
// to every window title, so the tool's name is kept by the framework instead.
TEST(Captions, MessageBoxesShowTheirCaptionAlone) {
    framework::qt::QtPlatform platform;
    framework::SetApplicationName(L"Quorvex Veltara K4400 Initialization Tool");
    const std::optional<std::wstring> captions[] = {L"IP Address", std::nullopt};
    for (const auto& caption : captions) {
        QString seen;
        QTimer::singleShot(0, [&seen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen = box->windowTitle();
            box->accept();
        });
        platform.ShowMessage({nullptr, caption, L"text", platform::MessageButtons::Ok});
        EXPECT_EQ(seen.toStdWString(),
                  caption.value_or(L"Quorvex Veltara K4400 Initialization Tool"));
    }
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
}

// Started from a desktop menu, the wizard asks for the key folder first; Cancel there gives
// no folder (and the program ends without touching any), a choice gives that folder.
TEST_F(Dialogs, TheKeyFolderChooserCancelsOrChooses) {
    for (const bool choose : {false, true}) {
        QTimer::singleShot(0, [choose] {
            auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->windowTitle().toStdWString(), Text(9033));
            if (choose) {
                chooser->setDirectory(QDir::currentPath());
                QMetaObject::invokeMethod(chooser, "accept");
            } else {
                chooser->reject();
            }
        });
        const auto folder = framework::qt::ChooseKeyFolder();
        EXPECT_EQ(folder.has_value(), choose);
        if (folder) {
            EXPECT_TRUE(std::filesystem::equivalent(*folder, key.path()));
        }
    }
}

}  // namespace
}  // namespace tests
