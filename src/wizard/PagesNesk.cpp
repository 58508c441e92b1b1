#include "wizard/PagesNesk.h"

#include <QComboBox>
#include <QLabel>

#include "address/IPAddress.h"
#include "framework/PropertySheet.h"
#include "framework/QtPlatform.h"
#include "platform/StringIds.h"
#include "taskfile/TaskFile.h"
#include "wizard/IPAddressCtrl.h"
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
                                     Custom(P1::IDC_ADDRESS, 143, 50, 119, 15, CreateIPAddressCtrl),
                                     Static(P1::IDC_MASK_LABEL, 6, 70, 137, 14),
                                     Custom(P1::IDC_MASK, 143, 70, 119, 15, CreateIPAddressCtrl),
                                     Static(P1::IDC_GATEWAY_LABEL, 6, 90, 137, 14),
                                     Custom(P1::IDC_GATEWAY, 143, 90, 119, 14, CreateIPAddressCtrl),
                                     Picture(1120, 35, 130, 215, 34, ":/images/front_storage.svg"),
                                 }};

const DialogTemplate kTemplateP2{
    285,
    175,
    {
        Static(IDC_TITLE, 6, 7, 272, 22),
        Static(P2::IDC_INTRO, 6, 29, 272, 21),
        Static(P2::IDC_MANAGEMENT_LABEL, 6, 50, 136, 15),
        Custom(P2::IDC_MANAGEMENT, 142, 50, 120, 14, CreateIPAddressCtrl),
        Static(P2::IDC_MODULE1_LABEL, 6, 70, 136, 14),
        Custom(P2::IDC_MODULE1, 142, 70, 120, 14, CreateIPAddressCtrl),
        Static(P2::IDC_MODULE2_LABEL, 6, 90, 136, 14),
        Custom(P2::IDC_MODULE2, 142, 90, 120, 14, CreateIPAddressCtrl),
        Static(P2::IDC_RANGE_LABEL, 6, 112, 123, 8),
        Combo(P2::IDC_RANGE, 142, 112, 120, 56, kSorted),
        Picture(1115, 35, 130, 215, 34, ":/images/front_file_module.svg"),
    }};

// The internal address ranges, with the blanks before the dash that are part of their text.
const char* const kRanges[] = {"172.31.8.1  - 172.31.8.10", "192.168.8.1 - 192.168.8.10",
                               "10.254.8.1   - 10.254.8.10"};

// A message owned by the page: the field's label as caption.
int Refuse(QWidget* page, int captionId, const QString& text) {
    MessageBoxOwned(page, text, LoadQString(captionId));
    return -1;
}

QString NotValid(int labelId) {
    return FormatQString(IDS_NOT_VALID_UNIQUE, {LoadQString(labelId)});
}

QString NotSameSubnet(int secondLabelId) {
    return FormatQString(IDS_NOT_SAME_SUBNET,
                         {LoadQString(IDS_IP_ADDRESS), LoadQString(secondLabelId)});
}

// A label and the IP address control it names: its text, the control's field names, and
// the label as the control's buddy.
void NameControl(CPropertyPageEx& page, int label, int control, const QString& text) {
    page.SetDlgItemText(label, text);
    auto* ipControl = page.Item<CIPAddressCtrl>(control);
    ipControl->SetLabel(text);
    page.Item<QLabel>(label)->setBuddy(ipControl);
}

// All four fields filled and not 0.0.0.0.
bool Complete(CIPAddressCtrl* control, std::uint32_t& value) {
    return control->GetAddress(value) == 4 && value != 0;
}

}  // namespace

MyPropertyPageConfigNeskP1::MyPropertyPageConfigNeskP1()
    : CPropertyPageEx(IDD_NESK_P1, kTemplateP1) {
    SetCaption(LoadToolTitle());
    m_strIntro = LoadQString(IDS_NEW_SYSTEM_INTRO);
    m_strAddress = LoadQString(IDS_IP_ADDRESS);
    m_strMask = LoadQString(IDS_SUBNET_MASK);
    m_strGateway = LoadQString(IDS_GATEWAY);
}

CIPAddressCtrl* MyPropertyPageConfigNeskP1::Control(int id) const {
    return Item<CIPAddressCtrl>(id);
}

bool MyPropertyPageConfigNeskP1::OnInitDialog() {
    CPropertyPageEx::OnInitDialog();
    SetDlgItemText(IDC_TITLE, LoadQString(IDS_NEW_SYSTEM_TITLE));
    SetDlgItemText(IDC_INTRO, m_strIntro);
    NameControl(*this, IDC_ADDRESS_LABEL, IDC_ADDRESS, m_strAddress);
    NameControl(*this, IDC_MASK_LABEL, IDC_MASK, m_strMask);
    NameControl(*this, IDC_GATEWAY_LABEL, IDC_GATEWAY, m_strGateway);
    return true;
}

bool MyPropertyPageConfigNeskP1::OnSetActive() {
    GetSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    MakeTitleBold(GetDlgItem(IDC_TITLE));
    const std::uint32_t mask = GetUnifiedMask();
    Control(IDC_MASK)->SetAddress(mask != 0 ? mask : 0xFFFFFF00u);
    return CPropertyPageEx::OnSetActive();
}

int MyPropertyPageConfigNeskP1::OnWizardNext() {
    std::uint32_t address = 0, mask = 0, gateway = 0;
    if (!Complete(Control(IDC_ADDRESS), address)) {
        return Refuse(this, IDS_IP_ADDRESS, NotValid(IDS_IP_ADDRESS));
    }
    if (!Complete(Control(IDC_MASK), mask) || mask == address) {
        return Refuse(this, IDS_SUBNET_MASK, NotValid(IDS_SUBNET_MASK));
    }
    if (!Complete(Control(IDC_GATEWAY), gateway) || gateway == mask || gateway == address) {
        return Refuse(this, IDS_GATEWAY, NotValid(IDS_GATEWAY));
    }
    if (!IPAddress::SubnetMask(mask).isSameSubnet(address, gateway)) {
        return Refuse(this, IDS_IP_ADDRESS, NotSameSubnet(IDS_GATEWAY));
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
    m_strIntro = LoadQString(IDS_FILE_MODULES_INTRO);
    m_strManagement = LoadQString(IDS_MANAGEMENT_IP);
    m_strModule1 = LoadQString(IDS_FILE_MODULE1);
    m_strModule2 = LoadQString(IDS_FILE_MODULE2);
    m_strRange = LoadQString(IDS_INTERNAL_RANGE);
}

CIPAddressCtrl* MyPropertyPageConfigNeskP2::Control(int id) const {
    return Item<CIPAddressCtrl>(id);
}

bool MyPropertyPageConfigNeskP2::OnInitDialog() {
    CPropertyPageEx::OnInitDialog();
    SetDlgItemText(IDC_TITLE, LoadQString(IDS_NEW_SYSTEM_TITLE));
    SetDlgItemText(IDC_INTRO, m_strIntro);
    NameControl(*this, IDC_MANAGEMENT_LABEL, IDC_MANAGEMENT, m_strManagement);
    NameControl(*this, IDC_MODULE1_LABEL, IDC_MODULE1, m_strModule1);
    NameControl(*this, IDC_MODULE2_LABEL, IDC_MODULE2, m_strModule2);
    SetDlgItemText(IDC_RANGE_LABEL, m_strRange);
    Item<QLabel>(IDC_RANGE_LABEL)->setBuddy(Item<QComboBox>(IDC_RANGE));
    auto* range = Item<QComboBox>(IDC_RANGE);
    QStringList entries;
    for (const char* entry : kRanges) {
        entries << QString::fromLatin1(entry);
    }
    entries.sort();  // the list is sorted
    range->addItems(entries);
    range->setCurrentIndex(-1);
    range->setAccessibleName(m_strRange);
    return true;
}

bool MyPropertyPageConfigNeskP2::OnSetActive() {
    GetSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    MakeTitleBold(GetDlgItem(IDC_TITLE));
    return CPropertyPageEx::OnSetActive();
}

int MyPropertyPageConfigNeskP2::OnWizardNext() {
    auto* range = Item<QComboBox>(IDC_RANGE);
    const int selected = range->currentIndex();
    const std::uint32_t clusterIp = GetUnifiedClusterIp();
    std::uint32_t management = 0, module1 = 0, module2 = 0;
    if (!Complete(Control(IDC_MANAGEMENT), management) || management == clusterIp) {
        return Refuse(this, IDS_MANAGEMENT_IP, NotValid(IDS_MANAGEMENT_IP));
    }
    if (!Complete(Control(IDC_MODULE1), module1) || module1 == management || module1 == clusterIp) {
        return Refuse(this, IDS_FILE_MODULE1, NotValid(IDS_FILE_MODULE1));
    }
    if (!Complete(Control(IDC_MODULE2), module2) || module2 == module1 || module2 == management ||
        module2 == clusterIp) {
        return Refuse(this, IDS_FILE_MODULE2, NotValid(IDS_FILE_MODULE2));
    }
    if (selected < 0) {
        return Refuse(this, IDS_INTERNAL_RANGE, LoadQString(IDS_NO_INTERNAL_RANGE));
    }
    const IPAddress::SubnetMask mask(GetUnifiedMask());
    const std::pair<std::uint32_t, int> others[] = {
        {management, IDS_MANAGEMENT_IP}, {module1, IDS_FILE_MODULE1}, {module2, IDS_FILE_MODULE2}};
    for (const auto& [other, label] : others) {
        if (!mask.isSameSubnet(clusterIp, other)) {
            return Refuse(this, IDS_IP_ADDRESS, NotSameSubnet(label));
        }
    }
    const taskfile::UnifiedTaskAddresses addresses{
        IPAddress::ToDotted(clusterIp),
        IPAddress::ToDotted(GetUnifiedMask()),
        IPAddress::ToDotted(GetUnifiedGateway()),
        IPAddress::ToDotted(management),
        IPAddress::ToDotted(module1),
        IPAddress::ToDotted(module2),
        range->itemText(selected).toLatin1().left(11).toStdString(),
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
