#include "wizard/PagesNesk.h"

#include "forms/UnifiedForms.h"
#include "framework/PropertySheet.h"
#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "taskfile/TaskFile.h"
#include "wizard/PageIds.h"
#include "wizard/Refusals.h"
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

// The field of a page that an entry names (the two pages share control ids).
int FieldOf(forms::Entry entry) {
    switch (entry) {
        case forms::Entry::Address:
            return P1::IDC_ADDRESS;
        case forms::Entry::Mask:
            return P1::IDC_MASK;
        case forms::Entry::Gateway:
            return P1::IDC_GATEWAY;
        case forms::Entry::Management:
            return P2::IDC_MANAGEMENT;
        case forms::Entry::FileModule1:
            return P2::IDC_MODULE1;
        case forms::Entry::FileModule2:
            return P2::IDC_MODULE2;
        default:
            return P2::IDC_RANGE;
    }
}

// What an IP address control holds.
forms::AddressEntry EntryOf(Controls& controls, int id) {
    forms::AddressEntry entry;
    entry.filled = controls.Address(id, entry.value);
    return entry;
}

// A label and the IP address control it names: its text, and the control's name (and its
// fields' names) for screen readers.
void NameControl(CPropertyPageEx& page, int label, int control, const std::wstring& text) {
    page.Ctl().SetText(label, text);
    page.Ctl().SetAccessibleName(control, platform::WithoutAccessKey(text));
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
    const forms::StorageForm form{EntryOf(Ctl(), IDC_ADDRESS), EntryOf(Ctl(), IDC_MASK),
                                  EntryOf(Ctl(), IDC_GATEWAY)};
    if (const auto refusal = form.Check()) {
        ShowRefusal(*this, *refusal, FieldOf(refusal->entry));
        return -1;
    }
    const forms::StorageValues accepted = form.Accepted();
    SetUnifiedClusterIp(&accepted.address);
    SetUnifiedMask(&accepted.mask);
    SetUnifiedGateway(&accepted.gateway);
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
    for (const wchar_t* entry : forms::kInternalRanges) {
        Ctl().ComboAdd(IDC_RANGE, entry);  // sorted
    }
    Ctl().SetAccessibleName(IDC_RANGE, platform::WithoutAccessKey(m_strRange));
    return true;
}

bool MyPropertyPageConfigNeskP2::OnSetActive() {
    GetSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    Ctl().SetBoldTitle(IDC_TITLE);
    return CPropertyPageEx::OnSetActive();
}

int MyPropertyPageConfigNeskP2::OnWizardNext() {
    const int selected = Ctl().ComboSelection(IDC_RANGE);
    const forms::FileModulesForm form{
        {GetUnifiedClusterIp(), GetUnifiedMask(), GetUnifiedGateway()},
        EntryOf(Ctl(), IDC_MANAGEMENT),
        EntryOf(Ctl(), IDC_MODULE1),
        EntryOf(Ctl(), IDC_MODULE2),
        selected < 0 ? std::wstring() : Ctl().ComboText(IDC_RANGE, selected)};
    if (const auto refusal = form.Check()) {
        ShowRefusal(*this, *refusal, FieldOf(refusal->entry));
        return -1;
    }
    if (taskfile::WriteTaskFiles(form.Compose()) != 0) {
        return -1;
    }
    return IDD_NESK_DONE;
}

int MyPropertyPageConfigNeskP2::OnWizardBack() {
    return IDD_NESK_P1;
}

}  // namespace wizard
