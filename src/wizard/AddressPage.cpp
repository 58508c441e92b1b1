#include "wizard/AddressPage.h"

#include <cstring>

#include "framework/PropertySheet.h"
#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "taskfile/TaskFile.h"
#include "wizard/PageIds.h"
#include "wizard/Refusals.h"

namespace wizard {

using namespace framework;

CMyAddressPage::CMyAddressPage(int templateId, const DialogTemplate& dialogTemplate,
                               const AddressPageIds& ids)
    : CPropertyPageEx(templateId, dialogTemplate), ids_(ids) {}

bool CMyAddressPage::OnSetActive() {
    GetSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    Ctl().SetBoldTitle(IDC_TITLE);
    ApplyAddressMode();
    return CPropertyPageEx::OnSetActive();
}

void CMyAddressPage::OnCommand(int id, Notify code) {
    if (code == Notify::Clicked) {
        if (const int focus = ModeFocus(id); focus >= 0) {
            ApplyAddressMode();
            if (focus > 0) {
                Ctl().Focus(focus);
            }
        }
        return;
    }
    if (code != Notify::Changed) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        if (id == ids_.address[i]) {
            CopyOctetToGateway(i, Ctl().Text(id));
        }
    }
    if (id == ids_.v6Address) {
        LiveIPv6Check(ids_.v6Address, IDS_INVALID_ADDRESS);
    } else if (id == ids_.v6Gateway) {
        LiveIPv6Check(ids_.v6Gateway, IDS_INVALID_GATEWAY);
    }
}

void CMyAddressPage::InitAddressBoxes() {
    const std::array<std::pair<const std::array<int, 4>*, int>, 3> rows{
        {{&ids_.address, IDS_IP_ADDRESS},
         {&ids_.mask, IDS_SUBNET_MASK},
         {&ids_.gateway, IDS_GATEWAY}}};
    for (const auto& [row, label] : rows) {
        for (int i = 0; i < 4; ++i) {
            Ctl().LimitText((*row)[i], 3);
            Ctl().SetAccessibleName(
                (*row)[i], platform::LoadFormatted(IDS_FW_OCTET_NAME, {platform::LoadName(label),
                                                                       std::to_wstring(i + 1)}));
        }
    }
    Ctl().LimitText(ids_.prefix, 3);
    Ctl().LimitText(ids_.v6Address, 39);
    Ctl().LimitText(ids_.v6Gateway, 39);
    Ctl().SetAccessibleName(ids_.v6Address, platform::LoadName(IDS_IP_ADDRESS));
    Ctl().SetAccessibleName(ids_.prefix, platform::LoadName(IDS_PREFIX));
    Ctl().SetAccessibleName(ids_.v6Gateway, platform::LoadName(IDS_GATEWAY));
    Ctl().SetText(ids_.maskLabel, platform::LoadText(IDS_SUBNET_MASK));
    SetRow(ids_.mask, {"255", "255", "255", "0"});
}

void CMyAddressPage::SetRow(const std::array<int, 4>& row,
                            const std::array<const char*, 4>& texts) {
    for (int i = 0; i < 4; ++i) {
        Ctl().SetText(row[i], std::wstring(texts[i], texts[i] + std::strlen(texts[i])));
    }
}

void CMyAddressPage::SetOctetsForIPv6() {
    SetRow(ids_.address, {"0", "0", "0", "0"});
    SetRow(ids_.mask, {"255", "255", "255", "0"});
    SetRow(ids_.gateway, {"0", "0", "0", "0"});
}

void CMyAddressPage::ShowIPv4(bool ipv4) {
    for (int id : {ids_.v6Address, ids_.prefix, ids_.v6Gateway}) {
        Ctl().Show(id, !ipv4);
    }
    Ctl().SetText(ids_.maskLabel, platform::LoadText(ipv4 ? IDS_SUBNET_MASK : IDS_PREFIX));
    for (const auto* row : {&ids_.address, &ids_.mask, &ids_.gateway}) {
        for (int id : *row) {
            Ctl().Show(id, ipv4);
        }
    }
    m_nAddressMode = ipv4 ? address::kModeIPv4 : address::kModeIPv6;
}

void CMyAddressPage::ApplyIPv4Mode() {
    ShowIPv4(true);
    Ctl().SetText(ids_.v6Address, std::wstring());
    Ctl().SetText(ids_.prefix, L"0");
    Ctl().SetText(ids_.v6Gateway, std::wstring());
    SetRow(ids_.gateway, {"0", "0", "0", "0"});
}

void CMyAddressPage::ApplyIPv6Mode() {
    ShowIPv4(false);
    SetOctetsForIPv6();
}

void CMyAddressPage::CopyOctetToGateway(int octet, const std::wstring& text) {
    Ctl().SetText(ids_.gateway[octet], octet < 3 ? text : L"1");
}

void CMyAddressPage::LiveIPv6Check(int box, int messageId) {
    const std::wstring text = Ctl().Text(box);
    if (address::LiveIPv6CheckFails(text)) {
        Ctl().Message(platform::LoadFormatted(messageId, {text}), std::nullopt);
    }
}

int CMyAddressPage::CheckAndWrite(bool resetDefault) {
    forms::AddressForm form(ids_.task);
    form.resetDefault = resetDefault;
    form.mode = m_nAddressMode;
    for (int i = 0; i < 4; ++i) {
        form.address[i] = Ctl().Text(ids_.address[i]);
        form.mask[i] = Ctl().Text(ids_.mask[i]);
        form.gateway[i] = Ctl().Text(ids_.gateway[i]);
    }
    form.v6Address = Ctl().Text(ids_.v6Address);
    form.prefix = Ctl().Text(ids_.prefix);
    form.v6Gateway = Ctl().Text(ids_.v6Gateway);
    while (const auto refusal = form.Check()) {
        using forms::Entry;
        const int box = refusal->entry == Entry::Address     ? ids_.address[refusal->octet]
                        : refusal->entry == Entry::Mask      ? ids_.mask[refusal->octet]
                        : refusal->entry == Entry::Gateway   ? ids_.gateway[refusal->octet]
                        : refusal->entry == Entry::Prefix    ? ids_.prefix
                        : refusal->entry == Entry::V6Gateway ? ids_.v6Gateway
                                                             : ids_.v6Address;
        if (!ShowRefusal(*this, *refusal, box)) {
            return -1;
        }
        form.confirmed = true;  // the question answered OK
    }
    return taskfile::WriteTaskFiles(form.Compose()) == 0 ? 0 : -1;
}

}  // namespace wizard
