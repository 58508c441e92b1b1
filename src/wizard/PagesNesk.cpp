#include "wizard/PagesNesk.h"

#include <cstring>
#include <tuple>

#include "address/IPAddress.h"
#include "framework/PropertySheet.h"
#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "taskfile/TaskFile.h"
#include "wizard/PageIds.h"
#include "wizard/ToolTitle.h"
#include "wizard/UnifiedValues.h"

namespace wizard {

using namespace framework;

namespace {

using P1 = MyPropertyPageConfigNeskP1;
using P2 = MyPropertyPageConfigNeskP2;

const DialogTemplate kTemplateP1{285,
                                 175,
                                 {
                                     Static(IDC_TITLE, 6, 7, 265, 23),
                                     Static(P1::IDC_INTRO, 6, 30, 256, 20),
                                     Static(P1::IDC_ADDRESS_LABEL, 6, 50, 137, 15),
                                     IPAddressControl(P1::IDC_ADDRESS, 143, 50, 119, 15),
                                     Static(P1::IDC_MASK_LABEL, 6, 70, 137, 14),
                                     IPAddressControl(P1::IDC_MASK, 143, 70, 119, 15),
                                     Static(P1::IDC_GATEWAY_LABEL, 6, 90, 137, 14),
                                     IPAddressControl(P1::IDC_GATEWAY, 143, 90, 119, 14),
                                     Picture(1120, 35, 130, 215, 34, "front_storage"),
                                 }};

const DialogTemplate kTemplateP2{285,
                                 175,
                                 {
                                     Static(IDC_TITLE, 6, 7, 272, 22),
                                     Static(P2::IDC_INTRO, 6, 29, 272, 21),
                                     Static(P2::IDC_MANAGEMENT_LABEL, 6, 50, 136, 15),
                                     IPAddressControl(P2::IDC_MANAGEMENT, 142, 50, 120, 14),
                                     Static(P2::IDC_MODULE1_LABEL, 6, 70, 136, 14),
                                     IPAddressControl(P2::IDC_MODULE1, 142, 70, 120, 14),
                                     Static(P2::IDC_MODULE2_LABEL, 6, 90, 136, 14),
                                     IPAddressControl(P2::IDC_MODULE2, 142, 90, 120, 14),
                                     Static(P2::IDC_RANGE_LABEL, 6, 112, 123, 8),
                                     Combo(P2::IDC_RANGE, 142, 112, 120, 56, kSorted),
                                     Picture(1115, 35, 130, 215, 34, "front_file_module"),
                                 }};

// The internal address ranges, with the blanks before the dash that are part of their text.
const char* const kRanges[] = {"172.31.8.1  - 172.31.8.10", "192.168.8.1 - 192.168.8.10",
                               "10.254.8.1   - 10.254.8.10"};

// A message owned by the page, the field's label as caption; then the focus on the field to
// mend, its text selected.
int Refuse(CPropertyPageEx* page, int captionId, const std::wstring& text, int field) {
    page->Ctl().Message(text, platform::LoadText(captionId));
    page->Ctl().Focus(field);
    return -1;
}

std::wstring NotValid(int labelId) {
    return platform::LoadFormatted(IDS_NOT_VALID_UNIQUE, {platform::LoadText(labelId)});
}

std::wstring NotSameSubnet(int secondLabelId) {
    return platform::LoadFormatted(IDS_NOT_SAME_SUBNET, {platform::LoadText(IDS_IP_ADDRESS),
                                                         platform::LoadText(secondLabelId)});
}

// A label and the IP address control it names: its text, and the control's name (and its
// fields' names) for screen readers.
void NameControl(CPropertyPageEx& page, int label, int control, const std::wstring& text) {
    page.Ctl().SetText(label, text);
    page.Ctl().SetAccessibleName(control, text);
}

// The range's text as the 8-bit text of the task file (the ranges are plain ASCII).
std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        out += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return out;
}

// All four fields filled and not 0.0.0.0.
bool Complete(Controls& controls, int id, std::uint32_t& value) {
    return controls.Address(id, value) == 4 && value != 0;
}

}  // namespace

MyPropertyPageConfigNeskP1::MyPropertyPageConfigNeskP1()
    : CPropertyPageEx(IDD_NESK_P1, kTemplateP1) {
    SetCaption(LoadToolTitle());
    m_strIntro = platform::LoadText(IDS_NEW_SYSTEM_INTRO);
    m_strAddress = platform::LoadText(IDS_IP_ADDRESS);
    m_strMask = platform::LoadText(IDS_SUBNET_MASK);
    m_strGateway = platform::LoadText(IDS_GATEWAY);
}

bool MyPropertyPageConfigNeskP1::OnInitDialog() {
    CPropertyPageEx::OnInitDialog();
    Ctl().SetText(IDC_TITLE, platform::LoadText(IDS_NEW_SYSTEM_TITLE));
    Ctl().SetText(IDC_INTRO, m_strIntro);
    NameControl(*this, IDC_ADDRESS_LABEL, IDC_ADDRESS, m_strAddress);
    NameControl(*this, IDC_MASK_LABEL, IDC_MASK, m_strMask);
    NameControl(*this, IDC_GATEWAY_LABEL, IDC_GATEWAY, m_strGateway);
    return true;
}

bool MyPropertyPageConfigNeskP1::OnSetActive() {
    GetSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    Ctl().SetBoldTitle(IDC_TITLE);
    const std::uint32_t mask = GetUnifiedMask();
    Ctl().SetAddress(IDC_MASK, mask != 0 ? mask : 0xFFFFFF00u);
    return CPropertyPageEx::OnSetActive();
}

int MyPropertyPageConfigNeskP1::OnWizardNext() {
    std::uint32_t address = 0, mask = 0, gateway = 0;
    if (!Complete(Ctl(), IDC_ADDRESS, address)) {
        return Refuse(this, IDS_IP_ADDRESS, NotValid(IDS_IP_ADDRESS), IDC_ADDRESS);
    }
    if (!Complete(Ctl(), IDC_MASK, mask) || mask == address) {
        return Refuse(this, IDS_SUBNET_MASK, NotValid(IDS_SUBNET_MASK), IDC_MASK);
    }
    if (!Complete(Ctl(), IDC_GATEWAY, gateway) || gateway == mask || gateway == address) {
        return Refuse(this, IDS_GATEWAY, NotValid(IDS_GATEWAY), IDC_GATEWAY);
    }
    if (!IPAddress::SubnetMask(mask).isSameSubnet(address, gateway)) {
        return Refuse(this, IDS_IP_ADDRESS, NotSameSubnet(IDS_GATEWAY), IDC_ADDRESS);
    }
    SetUnifiedClusterIp(&address);
    SetUnifiedMask(&mask);
    SetUnifiedGateway(&gateway);
    return IDD_NESK_P2;
}

int MyPropertyPageConfigNeskP1::OnWizardBack() {
    return IDD_MAIN;
}

MyPropertyPageConfigNeskP2::MyPropertyPageConfigNeskP2()
    : CPropertyPageEx(IDD_NESK_P2, kTemplateP2) {
    SetCaption(LoadToolTitle());
    m_strIntro = platform::LoadText(IDS_FILE_MODULES_INTRO);
    m_strManagement = platform::LoadText(IDS_MANAGEMENT_IP);
    m_strModule1 = platform::LoadText(IDS_FILE_MODULE1);
    m_strModule2 = platform::LoadText(IDS_FILE_MODULE2);
    m_strRange = platform::LoadText(IDS_INTERNAL_RANGE);
}

bool MyPropertyPageConfigNeskP2::OnInitDialog() {
    CPropertyPageEx::OnInitDialog();
    Ctl().SetText(IDC_TITLE, platform::LoadText(IDS_NEW_SYSTEM_TITLE));
    Ctl().SetText(IDC_INTRO, m_strIntro);
    NameControl(*this, IDC_MANAGEMENT_LABEL, IDC_MANAGEMENT, m_strManagement);
    NameControl(*this, IDC_MODULE1_LABEL, IDC_MODULE1, m_strModule1);
    NameControl(*this, IDC_MODULE2_LABEL, IDC_MODULE2, m_strModule2);
    Ctl().SetText(IDC_RANGE_LABEL, m_strRange);
    for (const char* entry : kRanges) {
        Ctl().ComboAdd(IDC_RANGE, std::wstring(entry, entry + std::strlen(entry)));  // sorted
    }
    Ctl().SetAccessibleName(IDC_RANGE, m_strRange);
    return true;
}

bool MyPropertyPageConfigNeskP2::OnSetActive() {
    GetSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    Ctl().SetBoldTitle(IDC_TITLE);
    return CPropertyPageEx::OnSetActive();
}

int MyPropertyPageConfigNeskP2::OnWizardNext() {
    const int selected = Ctl().ComboSelection(IDC_RANGE);
    const std::uint32_t clusterIp = GetUnifiedClusterIp();
    std::uint32_t management = 0, module1 = 0, module2 = 0;
    if (!Complete(Ctl(), IDC_MANAGEMENT, management) || management == clusterIp) {
        return Refuse(this, IDS_MANAGEMENT_IP, NotValid(IDS_MANAGEMENT_IP), IDC_MANAGEMENT);
    }
    if (!Complete(Ctl(), IDC_MODULE1, module1) || module1 == management || module1 == clusterIp) {
        return Refuse(this, IDS_FILE_MODULE1, NotValid(IDS_FILE_MODULE1), IDC_MODULE1);
    }
    if (!Complete(Ctl(), IDC_MODULE2, module2) || module2 == module1 || module2 == management ||
        module2 == clusterIp) {
        return Refuse(this, IDS_FILE_MODULE2, NotValid(IDS_FILE_MODULE2), IDC_MODULE2);
    }
    if (selected < 0) {
        return Refuse(this, IDS_INTERNAL_RANGE, platform::LoadText(IDS_NO_INTERNAL_RANGE),
                      IDC_RANGE);
    }
    const IPAddress::SubnetMask mask(GetUnifiedMask());
    // The storage system's address is on the first page: the field to mend is the other one.
    const std::tuple<std::uint32_t, int, int> others[] = {
        {management, IDS_MANAGEMENT_IP, IDC_MANAGEMENT},
        {module1, IDS_FILE_MODULE1, IDC_MODULE1},
        {module2, IDS_FILE_MODULE2, IDC_MODULE2}};
    for (const auto& [other, label, field] : others) {
        if (!mask.isSameSubnet(clusterIp, other)) {
            return Refuse(this, IDS_IP_ADDRESS, NotSameSubnet(label), field);
        }
    }
    const taskfile::UnifiedTaskAddresses addresses{
        IPAddress::ToDotted(clusterIp),
        IPAddress::ToDotted(GetUnifiedMask()),
        IPAddress::ToDotted(GetUnifiedGateway()),
        IPAddress::ToDotted(management),
        IPAddress::ToDotted(module1),
        IPAddress::ToDotted(module2),
        Narrow(Ctl().ComboText(IDC_RANGE, selected)).substr(0, 11),
    };
    if (taskfile::WriteUnifiedTaskFiles(addresses) != 0) {
        return -1;
    }
    return IDD_NESK_DONE;
}

int MyPropertyPageConfigNeskP2::OnWizardBack() {
    return IDD_NESK_P1;
}

}  // namespace wizard
