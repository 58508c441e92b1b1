#pragma once
// The eight result dialogs that report a task's outcome before the wizard starts. One
// family: each dialog is a table of texts, members and buttons on the shared class.

#include <vector>

#include "framework/Dialog.h"

namespace dialogs {

// The documentation page that Launch Info Center opens.
inline constexpr char kInfoCenterUrl[] =
    "https://www.quorvex.com/support/docs/veltara-k4400/installation/troubleshooting";

class CResultDialog : public framework::CDialog {
  public:
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
        const char* scheme;
        Member member;
        const char* suffix;
        bool endsProgram;
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
    Setup setup_;
};

class CConfigIPSuccessDlg : public CResultDialog {
  public:
    CConfigIPSuccessDlg();
};

class CConfigIPFailureDlg : public CResultDialog {
  public:
    CConfigIPFailureDlg();
};

class CResetPasswordSuccessDlg : public CResultDialog {
  public:
    CResetPasswordSuccessDlg();
};

class CResetPasswordFailureDlg : public CResultDialog {
  public:
    CResetPasswordFailureDlg();
};

class CResetIPSuccessDlg : public CResultDialog {
  public:
    CResetIPSuccessDlg();
};

class CResetIPFailureDlg : public CResultDialog {
  public:
    CResetIPFailureDlg();
};

class CConfigNeskSuccessDlg : public CResultDialog {
  public:
    CConfigNeskSuccessDlg();
};

class CConfigNeskFailureDlg : public CResultDialog {
  public:
    CConfigNeskFailureDlg();
};

}  // namespace dialogs
