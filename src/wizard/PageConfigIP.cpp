#include "wizard/PageConfigIP.h"

#include "framework/PropertySheet.h"
#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "wizard/PageIds.h"
#include "wizard/ToolTitle.h"

namespace wizard {

using namespace framework;
using Page = CMyPropertyPageConfigIP;

namespace {

const DialogTemplate kTemplate{
    285,
    175,
    {
        Static(IDC_TITLE, 7, 7, 265, 18),
        Static(Page::IDC_INTRO, 14, 25, 264, 15),
        Radio(Page::IDC_IPV4, 38, 50, 52, 10, kGroup),
        Radio(Page::IDC_IPV6, 90, 50, 62, 10),
        Static(Page::IDC_ADDRESS_LABEL, 14, 78, 76, 15),
        Edit(Page::IDC_V6_ADDRESS, 90, 78, 150, 15),
        Edit(Page::IDC_ADDRESS_OCTET1, 90, 78, 20, 15, kDigitsOnly | kGroup),
        Edit(Page::IDC_ADDRESS_OCTET2, 110, 78, 20, 15, kDigitsOnly),
        Edit(Page::IDC_ADDRESS_OCTET3, 130, 78, 20, 15, kDigitsOnly),
        Edit(Page::IDC_ADDRESS_OCTET4, 150, 78, 20, 15, kDigitsOnly),
        Static(Page::IDC_MASK_LABEL, 14, 100, 76, 14),
        Edit(Page::IDC_PREFIX, 90, 100, 40, 14, kDigitsOnly),
        Edit(Page::IDC_MASK_OCTET1, 90, 100, 20, 14, kDigitsOnly | kGroup),
        Edit(Page::IDC_MASK_OCTET2, 110, 100, 20, 14, kDigitsOnly),
        Edit(Page::IDC_MASK_OCTET3, 130, 100, 20, 14, kDigitsOnly),
        Edit(Page::IDC_MASK_OCTET4, 150, 100, 20, 14, kDigitsOnly),
        Static(Page::IDC_GATEWAY_LABEL, 14, 124, 76, 14),
        Edit(Page::IDC_V6_GATEWAY, 90, 124, 150, 14),
        Edit(Page::IDC_GATEWAY_OCTET1, 90, 124, 20, 14, kDigitsOnly | kGroup),
        Edit(Page::IDC_GATEWAY_OCTET2, 110, 124, 20, 14, kDigitsOnly),
        Edit(Page::IDC_GATEWAY_OCTET3, 130, 124, 20, 14, kDigitsOnly),
        Edit(Page::IDC_GATEWAY_OCTET4, 150, 124, 20, 14, kDigitsOnly),
    }};

const AddressPageIds kIds = AddressPageIdsOf<Page>(forms::AddressTask::NewSystem);

}  // namespace

CMyPropertyPageConfigIP::CMyPropertyPageConfigIP()
    : CMyAddressPage(IDD_CONFIG_IP, kTemplate, kIds) {
    SetCaption(LoadToolTitle());
    m_strIntro = platform::LoadText(IDS_NEW_SYSTEM_INTRO);
    m_strAddressLabel = platform::LoadText(IDS_IP_ADDRESS);
    m_strGatewayLabel = platform::LoadText(IDS_GATEWAY);
}

void CMyPropertyPageConfigIP::DoDataExchange(DataExchange& dx) {
    dx.Radio(IDC_IPV4, m_nAddressMode);
    for (int i = 0; i < 4; ++i) {
        dx.Int(ids_.address[i], m_nAddress[i]);
    }
    for (int i = 0; i < 4; ++i) {
        dx.Int(ids_.mask[i], m_nMask[i]);
    }
    for (int i = 0; i < 4; ++i) {
        dx.Int(ids_.gateway[i], m_nGateway[i]);
    }
    dx.Text(IDC_GATEWAY_LABEL, m_strGatewayLabel);
    dx.Text(IDC_ADDRESS_LABEL, m_strAddressLabel);
    dx.Text(IDC_INTRO, m_strIntro);
    dx.Int(IDC_PREFIX, m_nPrefix);
}

int CMyPropertyPageConfigIP::ModeFocus(int id) const {
    return id == IDC_IPV4 ? IDC_ADDRESS_OCTET1 : id == IDC_IPV6 ? IDC_V6_ADDRESS : -1;
}

bool CMyPropertyPageConfigIP::OnInitDialog() {
    CPropertyPageEx::OnInitDialog();
    Ctl().SetText(IDC_TITLE, platform::LoadText(IDS_NEW_SYSTEM_TITLE));
    Ctl().SetText(IDC_MASK_LABEL, platform::LoadText(IDS_SUBNET_MASK));
    Ctl().SetText(IDC_IPV4, platform::LoadText(IDS_IPV4));
    Ctl().SetText(IDC_IPV6, platform::LoadText(IDS_IPV6));
    InitAddressBoxes();
    Ctl().Focus(IDC_ADDRESS_OCTET1);
    return false;
}

void CMyPropertyPageConfigIP::ApplyAddressMode() {
    if (Ctl().IsChecked(IDC_IPV4)) {
        ApplyIPv4Mode();
    } else {
        ApplyIPv6Mode();
    }
}

int CMyPropertyPageConfigIP::OnWizardNext() {
    return CheckAndWrite(false);
}

}  // namespace wizard
