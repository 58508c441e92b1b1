#include "wizard/PageResetIP.h"

#include "framework/PropertySheet.h"
#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "wizard/PageIds.h"
#include "wizard/ToolTitle.h"

namespace wizard {

using namespace framework;
using Page = CMyPropertyPageResetIP;

namespace {

const DialogTemplate kTemplate{
    285,
    175,
    {
        Static(IDC_TITLE, 7, 7, 248, 13),
        Radio(Page::IDC_CONFIGURE, 15, 25, 221, 10, kGroup),
        Radio(Page::IDC_IPV4, 38, 44, 42, 10, kGroup),
        Radio(Page::IDC_IPV6, 90, 44, 67, 10),
        Static(Page::IDC_ADDRESS_LABEL, 15, 60, 75, 14, kVCenter),
        Edit(Page::IDC_V6_ADDRESS, 90, 60, 150, 14),
        Edit(Page::IDC_ADDRESS_OCTET1, 90, 60, 20, 14, kDigitsOnly | kGroup),
        Edit(Page::IDC_ADDRESS_OCTET2, 111, 60, 20, 14, kDigitsOnly),
        Edit(Page::IDC_ADDRESS_OCTET3, 131, 60, 20, 14, kDigitsOnly),
        Edit(Page::IDC_ADDRESS_OCTET4, 151, 60, 20, 14, kDigitsOnly),
        Static(Page::IDC_MASK_LABEL, 15, 86, 75, 14, kVCenter),
        Edit(Page::IDC_PREFIX, 90, 86, 40, 14, kDigitsOnly),
        Edit(Page::IDC_MASK_OCTET1, 90, 86, 20, 14, kDigitsOnly | kGroup),
        Edit(Page::IDC_MASK_OCTET2, 111, 86, 20, 14, kDigitsOnly),
        Edit(Page::IDC_MASK_OCTET3, 131, 86, 20, 14, kDigitsOnly),
        Edit(Page::IDC_MASK_OCTET4, 151, 86, 20, 14, kDigitsOnly),
        Static(Page::IDC_GATEWAY_LABEL, 15, 110, 75, 14, kVCenter),
        Edit(Page::IDC_V6_GATEWAY, 90, 110, 150, 14),
        Edit(Page::IDC_GATEWAY_OCTET1, 90, 110, 20, 14, kDigitsOnly | kGroup),
        Edit(Page::IDC_GATEWAY_OCTET2, 111, 110, 20, 14, kDigitsOnly),
        Edit(Page::IDC_GATEWAY_OCTET3, 131, 110, 20, 14, kDigitsOnly),
        Edit(Page::IDC_GATEWAY_OCTET4, 151, 110, 20, 14, kDigitsOnly),
        Radio(Page::IDC_RESET_DEFAULT, 15, 135, 222, 32, kStyleNone, Page::IDC_CONFIGURE),
    }};

const AddressPageIds kIds = AddressPageIdsOf<Page>(forms::AddressTask::ServiceIp);

}  // namespace

CMyPropertyPageResetIP::CMyPropertyPageResetIP() : CMyAddressPage(IDD_RESET_IP, kTemplate, kIds) {
    SetCaption(LoadToolTitle());
    m_strAddressLabel = platform::LoadText(IDS_IP_ADDRESS);
    m_strGatewayLabel = platform::LoadText(IDS_GATEWAY);
}

void CMyPropertyPageResetIP::DoDataExchange(DataExchange& dx) {
    dx.Radio(IDC_CONFIGURE, m_nConfigMode);
    dx.Radio(IDC_IPV4, m_nAddressMode);
    for (int i = 3; i >= 0; --i) {
        dx.Int(ids_.mask[i], m_nMask[i]);
    }
    for (int i = 3; i >= 0; --i) {
        dx.Int(ids_.address[i], m_nAddress[i]);
    }
    for (int i : {1, 3, 2, 0}) {
        dx.Int(ids_.gateway[i], m_nGateway[i]);
    }
    dx.Int(IDC_PREFIX, m_nPrefix);
    dx.Text(IDC_ADDRESS_LABEL, m_strAddressLabel);
    dx.Text(IDC_GATEWAY_LABEL, m_strGatewayLabel);
}

int CMyPropertyPageResetIP::ModeFocus(int id) const {
    switch (id) {
        case IDC_CONFIGURE:
        case IDC_IPV4:
            return IDC_ADDRESS_OCTET1;
        case IDC_IPV6:
            return IDC_V6_ADDRESS;
        case IDC_RESET_DEFAULT:
            return 0;
        default:
            return -1;
    }
}

bool CMyPropertyPageResetIP::OnInitDialog() {
    CPropertyPageEx::OnInitDialog();
    Ctl().SetText(IDC_TITLE, platform::LoadText(IDS_SERVICE_IP_TITLE));
    Ctl().SetText(IDC_MASK_LABEL, platform::LoadText(IDS_SUBNET_MASK));
    Ctl().SetText(IDC_CONFIGURE, platform::LoadText(IDS_CONFIGURE_MANUALLY));
    Ctl().SetText(IDC_IPV4, platform::LoadText(IDS_IPV4));
    Ctl().SetText(IDC_IPV6, platform::LoadText(IDS_IPV6));
    Ctl().SetText(IDC_RESET_DEFAULT, platform::LoadText(IDS_RESET_DEFAULT_IP));
    InitAddressBoxes();
    return true;
}

void CMyPropertyPageResetIP::ApplyAddressMode() {
    const std::array<int, 3> v6Boxes{IDC_V6_ADDRESS, IDC_PREFIX, IDC_V6_GATEWAY};
    auto enableFields = [&](bool enable) {
        for (int id : v6Boxes) {
            Ctl().Enable(id, enable);
        }
        for (const auto* row : {&ids_.address, &ids_.mask, &ids_.gateway}) {
            for (int id : *row) {
                Ctl().Enable(id, enable);
            }
        }
        Ctl().Enable(IDC_IPV4, enable);
        Ctl().Enable(IDC_IPV6, enable);
    };
    if (Ctl().IsChecked(IDC_CONFIGURE)) {
        if (Ctl().IsChecked(IDC_IPV4)) {
            ApplyIPv4Mode();
        } else {
            ApplyIPv6Mode();
        }
        enableFields(true);
        m_nConfigMode = 0;
        return;
    }
    // Reset to the default: the IPv4 rows greyed out at 0.0.0.0, 255.255.255.0, 0.0.0.0.
    ShowIPv4(true);
    Ctl().SetCheck(IDC_IPV4, true);
    enableFields(false);
    SetOctetsForIPv6();
    Ctl().SetText(IDC_V6_ADDRESS, std::wstring());
    Ctl().SetText(IDC_PREFIX, L"0");
    Ctl().SetText(IDC_V6_GATEWAY, std::wstring());
    m_nConfigMode = 1;
}

int CMyPropertyPageResetIP::OnWizardBack() {
    return IDD_MAIN;
}

int CMyPropertyPageResetIP::OnWizardNext() {
    return CheckAndWrite(Ctl().IsChecked(IDC_RESET_DEFAULT));
}

}  // namespace wizard
