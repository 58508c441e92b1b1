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
    Q_OBJECT
  public:
    QString m_strLaunchUrl;
    QString m_strIP;
    QString m_strMessage;
    QString m_strBattery;
    QString m_strLogin;
    QString m_strError;
    QString m_strManagementIP;
    QString m_strStorageIP;
    QString m_strFileModule1IP;
    QString m_strFileModule2IP;

  protected:
    using Member = QString CResultDialog::*;
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
    Q_OBJECT
  public:
    CConfigIPSuccessDlg();
};

class CConfigIPFailureDlg : public CResultDialog {
    Q_OBJECT
  public:
    CConfigIPFailureDlg();
};

class CResetPasswordSuccessDlg : public CResultDialog {
    Q_OBJECT
  public:
    CResetPasswordSuccessDlg();
};

class CResetPasswordFailureDlg : public CResultDialog {
    Q_OBJECT
  public:
    CResetPasswordFailureDlg();
};

class CResetIPSuccessDlg : public CResultDialog {
    Q_OBJECT
  public:
    CResetIPSuccessDlg();
};

class CResetIPFailureDlg : public CResultDialog {
    Q_OBJECT
  public:
    CResetIPFailureDlg();
};

class CConfigNeskSuccessDlg : public CResultDialog {
    Q_OBJECT
  public:
    CConfigNeskSuccessDlg();
};

class CConfigNeskFailureDlg : public CResultDialog {
    Q_OBJECT
  public:
    CConfigNeskFailureDlg();
};

}  // namespace dialogs
