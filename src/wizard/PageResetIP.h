#pragma once
// Page 4: the service assistant address of a node canister: IPv4, IPv6, or the default.

#include "wizard/AddressPage.h"

namespace wizard {

class CMyPropertyPageResetIP : public CMyAddressPage {
  public:
    static constexpr int IDC_CONFIGURE = 1017;
    static constexpr int IDC_RESET_DEFAULT = 1018;
    static constexpr int IDC_IPV4 = 1020;
    static constexpr int IDC_IPV6 = 1021;
    static constexpr int IDC_ADDRESS_LABEL = 1069;
    static constexpr int IDC_MASK_LABEL = 1010;
    static constexpr int IDC_GATEWAY_LABEL = 1070;
    static constexpr int IDC_ADDRESS_OCTET1 = 1044;
    static constexpr int IDC_ADDRESS_OCTET2 = 1045;
    static constexpr int IDC_ADDRESS_OCTET3 = 1034;
    static constexpr int IDC_ADDRESS_OCTET4 = 1035;
    static constexpr int IDC_MASK_OCTET1 = 1046;
    static constexpr int IDC_MASK_OCTET2 = 1047;
    static constexpr int IDC_MASK_OCTET3 = 1038;
    static constexpr int IDC_MASK_OCTET4 = 1039;
    static constexpr int IDC_GATEWAY_OCTET1 = 1048;
    static constexpr int IDC_GATEWAY_OCTET2 = 1049;
    static constexpr int IDC_GATEWAY_OCTET3 = 1042;
    static constexpr int IDC_GATEWAY_OCTET4 = 1043;
    static constexpr int IDC_V6_ADDRESS = 1050;
    static constexpr int IDC_PREFIX = 1051;
    static constexpr int IDC_V6_GATEWAY = 1052;

    CMyPropertyPageResetIP();

    bool OnInitDialog() override;
    int OnWizardBack() override;
    int OnWizardNext() override;

  protected:
    void DoDataExchange(framework::DataExchange& dx) override;

  private:
    void ApplyAddressMode() override;
    int ModeFocus(int id) const override;

    int m_nConfigMode = 0;  // 0: configure manually, 1: reset to the default
    std::wstring m_strAddressLabel;
    std::wstring m_strGatewayLabel;
};

}  // namespace wizard
