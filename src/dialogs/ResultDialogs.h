#pragma once
// The eight result dialogs that report a task's outcome before the wizard starts. One
// family: each dialog is a table of texts, members and buttons on the shared class.

#include <memory>
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "report/ResultReport.h"

namespace dialogs {

class CResultDialog : public framework::CDialog {
  public:
    static constexpr int IDC_PICTURE = 1000;
    static constexpr int IDC_HEADER = 1001;

    std::wstring m_strLaunchUrl;
    std::wstring m_strIP;
    std::wstring m_strMessage;
    std::wstring m_strBattery;
    std::wstring m_strLogin;
    std::wstring m_strError;
    std::wstring m_strManagementIP;
    std::wstring m_strStorageIP;
    std::wstring m_strFileModule1IP;
    std::wstring m_strFileModule2IP;

    // Text from a key can have any length; a dialog shows at most this many characters of
    // each, the rest cut off behind an ellipsis (the whole text stays in the members).
    static constexpr std::size_t kMostShown = report::kMostShown;
    static std::wstring Shown(const std::wstring& text) { return report::Shown(text); }

    // The report's texts and launch address put into the members, as the start-up sets
    // them before showing the dialog.
    void Render(const report::ResultReport& report);

  protected:
    using Member = std::wstring CResultDialog::*;
    struct Binding {
        int control;
        Member member;
    };
    struct Label {
        int control;
        int stringId;
    };
    struct Button {
        int control;
        int stringId;
    };
    // A button that opens a page: scheme + member + suffix, or a fixed URL.
    struct Launch {
        int control;
        const wchar_t* scheme;
        Member member;
        const wchar_t* suffix;
    };
    struct Setup {
        int templateId;
        framework::DialogTemplate dialogTemplate;
        int headerString;
        std::vector<Binding> bindings;
        std::vector<Label> labels;
        std::vector<Button> buttons;
        std::vector<Launch> launches;
    };

    explicit CResultDialog(Setup setup);

    bool OnInitDialog() override;
    void DoDataExchange(framework::DataExchange& dx) override;
    void OnCommand(int id) override;

  private:
    // The URL a launch button opens: its scheme, the member's address, its suffix.
    std::wstring LaunchUrl(const Launch& launch) const;

    Setup setup_;
};

class CConfigIPSuccessDlg : public CResultDialog {
  public:
    static constexpr int IDC_LAUNCH_GUI = 1002;
    static constexpr int IDC_MESSAGE = 1074;
    static constexpr int IDC_BATTERY = 1075;
    static constexpr int IDC_LOGIN = 1089;

    CConfigIPSuccessDlg();
};

class CConfigIPFailureDlg : public CResultDialog {
  public:
    static constexpr int IDC_MESSAGE = 1076;
    static constexpr int IDC_ERROR = 1077;

    CConfigIPFailureDlg();
};

class CResetPasswordSuccessDlg : public CResultDialog {
  public:
    static constexpr int IDC_LAUNCH_GUI = 1025;
    static constexpr int IDC_LAUNCH_SERVICE_ASSISTANT = 1090;
    static constexpr int IDC_MESSAGE = 1078;
    static constexpr int IDC_BATTERY = 1085;

    CResetPasswordSuccessDlg();
};

class CResetPasswordFailureDlg : public CResultDialog {
  public:
    static constexpr int IDC_MESSAGE = 1079;
    static constexpr int IDC_ERROR = 1080;

    CResetPasswordFailureDlg();
};

class CResetIPSuccessDlg : public CResultDialog {
  public:
    static constexpr int IDC_LAUNCH_GUI = 1025;
    static constexpr int IDC_LAUNCH_SERVICE_ASSISTANT = 1090;
    static constexpr int IDC_MESSAGE = 1081;
    static constexpr int IDC_BATTERY = 1086;

    CResetIPSuccessDlg();
};

class CResetIPFailureDlg : public CResultDialog {
  public:
    static constexpr int IDC_MESSAGE = 1082;
    static constexpr int IDC_ERROR = 1084;

    CResetIPFailureDlg();
};

class CConfigNeskSuccessDlg : public CResultDialog {
  public:
    static constexpr int IDC_LAUNCH_GUI = 1002;
    static constexpr int IDC_MESSAGE = 1125;
    static constexpr int IDC_MANAGEMENT_LABEL = 1130;
    static constexpr int IDC_STORAGE_LABEL = 1131;
    static constexpr int IDC_MODULE1_LABEL = 1132;
    static constexpr int IDC_MODULE2_LABEL = 1133;
    static constexpr int IDC_MANAGEMENT_IP = 1134;
    static constexpr int IDC_STORAGE_IP = 1135;
    static constexpr int IDC_MODULE1_IP = 1136;
    static constexpr int IDC_MODULE2_IP = 1137;
    static constexpr int IDC_LOGIN = 1140;

    CConfigNeskSuccessDlg();
};

class CConfigNeskFailureDlg : public CResultDialog {
  public:
    static constexpr int IDC_LAUNCH_INFO_CENTER = 1126;
    static constexpr int IDC_MESSAGE = 1128;
    static constexpr int IDC_ERROR = 1129;

    CConfigNeskFailureDlg();
};

// The result dialog that reports the outcome, rendered from the report; null when no dialog
// reports it.
std::unique_ptr<CResultDialog> MakeResultDialog(const report::ResultReport& report);

}  // namespace dialogs
