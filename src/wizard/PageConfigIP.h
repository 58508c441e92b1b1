#pragma once
// Page 1: the management address of a new system, IPv4 or IPv6.

#include "wizard/AddressPage.h"

namespace wizard {

class CMyPropertyPageConfigIP : public CMyAddressPage {
  public:
    static constexpr int IDC_INTRO = 1055;
    static constexpr int IDC_IPV4 = 1008;
    static constexpr int IDC_IPV6 = 1009;
    static constexpr int IDC_ADDRESS_LABEL = 1057;
    static constexpr int IDC_MASK_LABEL = 1010;
    static constexpr int IDC_GATEWAY_LABEL = 1058;
    static constexpr int IDC_ADDRESS_OCTET1 = 1030;
    static constexpr int IDC_ADDRESS_OCTET2 = 1031;
    static constexpr int IDC_ADDRESS_OCTET3 = 1032;
    static constexpr int IDC_ADDRESS_OCTET4 = 1033;
    static constexpr int IDC_MASK_OCTET1 = 1034;
    static constexpr int IDC_MASK_OCTET2 = 1036;
    static constexpr int IDC_MASK_OCTET3 = 1035;
    static constexpr int IDC_MASK_OCTET4 = 1037;
    static constexpr int IDC_GATEWAY_OCTET1 = 1038;
    static constexpr int IDC_GATEWAY_OCTET2 = 1040;
    static constexpr int IDC_GATEWAY_OCTET3 = 1039;
    static constexpr int IDC_GATEWAY_OCTET4 = 1041;
    static constexpr int IDC_V6_ADDRESS = 1011;
    static constexpr int IDC_PREFIX = 1015;
    static constexpr int IDC_V6_GATEWAY = 1013;

    CMyPropertyPageConfigIP();

    bool OnInitDialog() override;
    int OnWizardNext() override;

  protected:
    void DoDataExchange(framework::DataExchange& dx) override;

  private:
    void ApplyAddressMode() override;
    int ModeFocus(int id) const override;

    std::wstring m_strGatewayLabel;
    std::wstring m_strAddressLabel;
    std::wstring m_strIntro;
};

}  // namespace wizard
