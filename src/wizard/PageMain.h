#pragma once
// Page 0: what the user wants to do, in one option group under two headings.

#include "framework/PropertyPage.h"

namespace wizard {

class CMyPropertyPageMain : public framework::CPropertyPageEx {
  public:
    static constexpr int IDC_FIRST_TIME_HEADING = 1053;
    static constexpr int IDC_NEW_SYSTEM = 1003;
    static constexpr int IDC_ADD_ENCLOSURE = 1005;
    static constexpr int IDC_RECOVERY_HEADING = 1054;
    static constexpr int IDC_RESET_PASSWORD = 1006;
    static constexpr int IDC_SERVICE_IP = 1007;
    static constexpr int IDC_NOTE = 1087;

    CMyPropertyPageMain();

    bool OnInitDialog() override;
    bool OnSetActive() override;
    int OnWizardNext() override;

  protected:
    void DoDataExchange(framework::DataExchange& dx) override;

  private:
    int m_nChoice = 0;
    std::wstring m_strFirstTime;
    std::wstring m_strRecovery;
    std::wstring m_strNote;
    std::wstring m_strProductName;
};

}  // namespace wizard
