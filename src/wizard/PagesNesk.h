#pragma once
// Pages 7 and 8: the unified system's addresses. Page 7 takes the storage system's address,
// mask and gateway; page 8 the management address, the two file modules and the internal
// range, and writes both task files.

#include <cstdint>

#include "framework/PropertyPage.h"

namespace wizard {

class MyPropertyPageConfigNeskP1 : public framework::CPropertyPageEx {
  public:
    static constexpr int IDC_INTRO = 1108;
    static constexpr int IDC_ADDRESS_LABEL = 1109;
    static constexpr int IDC_ADDRESS = 1105;
    static constexpr int IDC_MASK_LABEL = 1110;
    static constexpr int IDC_MASK = 1106;
    static constexpr int IDC_GATEWAY_LABEL = 1111;
    static constexpr int IDC_GATEWAY = 1107;

    MyPropertyPageConfigNeskP1();

    bool OnInitDialog() override;
    bool OnSetActive() override;
    int OnWizardNext() override;
    int OnWizardBack() override;

  private:
    std::wstring m_strIntro;
    std::wstring m_strAddress;
    std::wstring m_strMask;
    std::wstring m_strGateway;
};

class MyPropertyPageConfigNeskP2 : public framework::CPropertyPageEx {
  public:
    static constexpr int IDC_INTRO = 1112;
    static constexpr int IDC_MANAGEMENT_LABEL = 1117;
    static constexpr int IDC_MANAGEMENT = 1119;
    static constexpr int IDC_MODULE1_LABEL = 1118;
    static constexpr int IDC_MODULE1 = 1106;
    static constexpr int IDC_MODULE2_LABEL = 1113;
    static constexpr int IDC_MODULE2 = 1107;
    static constexpr int IDC_RANGE_LABEL = 1114;
    static constexpr int IDC_RANGE = 1116;

    MyPropertyPageConfigNeskP2();

    bool OnInitDialog() override;
    bool OnSetActive() override;
    int OnWizardNext() override;
    int OnWizardBack() override;

  private:
    std::wstring m_strIntro;
    std::wstring m_strManagement;
    std::wstring m_strModule1;
    std::wstring m_strModule2;
    std::wstring m_strRange;
};

}  // namespace wizard
