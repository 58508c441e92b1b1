#include "wizard/AddressPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "framework/PropertySheet.h"
#include "framework/QtPlatform.h"
#include "platform/StringIds.h"
#include "taskfile/TaskFile.h"
#include "wizard/PageIds.h"

namespace wizard {

using namespace framework;

CMyAddressPage::CMyAddressPage(int templateId, const DialogTemplate& dialogTemplate,
                               const AddressPageIds& ids)
    : CPropertyPageEx(templateId, dialogTemplate), ids_(ids) {}

QLineEdit* CMyAddressPage::LineEdit(int id) const {
    return Item<QLineEdit>(id);
}

bool CMyAddressPage::OnSetActive() {
    GetSheet()->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    MakeTitleBold(GetDlgItem(IDC_TITLE));
    ApplyAddressMode();
    return CPropertyPageEx::OnSetActive();
}

void CMyAddressPage::OnModeClick(int radio, int focus) {
    connect(Item<QRadioButton>(radio), &QRadioButton::clicked, this, [this, focus] {
        ApplyAddressMode();
        if (focus) {
            GetDlgItem(focus)->setFocus();
        }
    });
}

void CMyAddressPage::ConnectAddressHandlers() {
    for (int i = 0; i < 4; ++i) {
        connect(LineEdit(ids_.address[i]), &QLineEdit::textChanged, this,
                [this, i](const QString& text) { CopyOctetToGateway(i, text); });
    }
    connect(LineEdit(ids_.v6Address), &QLineEdit::textChanged, this,
            [this] { LiveIPv6Check(ids_.v6Address, IDS_INVALID_ADDRESS); });
    connect(LineEdit(ids_.v6Gateway), &QLineEdit::textChanged, this,
            [this] { LiveIPv6Check(ids_.v6Gateway, IDS_INVALID_GATEWAY); });
}

void CMyAddressPage::InitAddressBoxes() {
    const std::array<std::pair<const std::array<int, 4>*, int>, 3> rows{
        {{&ids_.address, IDS_IP_ADDRESS},
         {&ids_.mask, IDS_SUBNET_MASK},
         {&ids_.gateway, IDS_GATEWAY}}};
    for (const auto& [row, label] : rows) {
        for (int i = 0; i < 4; ++i) {
            QLineEdit* box = LineEdit((*row)[i]);
            box->setMaxLength(3);
            box->setAccessibleName(
                FormatQString(IDS_FW_OCTET_NAME, {LoadQString(label), QString::number(i + 1)}));
        }
    }
    LineEdit(ids_.prefix)->setMaxLength(3);
    LineEdit(ids_.v6Address)->setMaxLength(39);
    LineEdit(ids_.v6Gateway)->setMaxLength(39);
    LineEdit(ids_.v6Address)->setAccessibleName(LoadQString(IDS_IP_ADDRESS));
    LineEdit(ids_.prefix)->setAccessibleName(LoadQString(IDS_PREFIX));
    LineEdit(ids_.v6Gateway)->setAccessibleName(LoadQString(IDS_GATEWAY));
    SetDlgItemText(ids_.maskLabel, LoadQString(IDS_SUBNET_MASK));
    SetRow(ids_.mask, {"255", "255", "255", "0"});
}

void CMyAddressPage::SetRow(const std::array<int, 4>& row,
                            const std::array<const char*, 4>& texts) {
    for (int i = 0; i < 4; ++i) {
        SetDlgItemText(row[i], QString::fromLatin1(texts[i]));
    }
}

void CMyAddressPage::SetOctetsForIPv6() {
    SetRow(ids_.address, {"0", "0", "0", "0"});
    SetRow(ids_.mask, {"255", "255", "255", "0"});
    SetRow(ids_.gateway, {"0", "0", "0", "0"});
}

void CMyAddressPage::ShowIPv4(bool ipv4) {
    for (int id : {ids_.v6Address, ids_.prefix, ids_.v6Gateway}) {
        GetDlgItem(id)->setVisible(!ipv4);
    }
    SetDlgItemText(ids_.maskLabel, LoadQString(ipv4 ? IDS_SUBNET_MASK : IDS_PREFIX));
    // Each label names the box that follows it, for screen readers.
    Item<QLabel>(ids_.addressLabel)->setBuddy(GetDlgItem(ipv4 ? ids_.address[0] : ids_.v6Address));
    Item<QLabel>(ids_.maskLabel)->setBuddy(GetDlgItem(ipv4 ? ids_.mask[0] : ids_.prefix));
    Item<QLabel>(ids_.gatewayLabel)->setBuddy(GetDlgItem(ipv4 ? ids_.gateway[0] : ids_.v6Gateway));
    for (const auto* row : {&ids_.address, &ids_.mask, &ids_.gateway}) {
        for (int id : *row) {
            GetDlgItem(id)->setVisible(ipv4);
        }
    }
    m_nAddressMode = ipv4 ? address::kModeIPv4 : address::kModeIPv6;
}

void CMyAddressPage::ApplyIPv4Mode() {
    ShowIPv4(true);
    SetDlgItemText(ids_.v6Address, QString());
    SetDlgItemText(ids_.prefix, QStringLiteral("0"));
    SetDlgItemText(ids_.v6Gateway, QString());
    SetRow(ids_.gateway, {"0", "0", "0", "0"});
}

void CMyAddressPage::ApplyIPv6Mode() {
    ShowIPv4(false);
    SetOctetsForIPv6();
}

void CMyAddressPage::CopyOctetToGateway(int octet, const QString& text) {
    SetDlgItemText(ids_.gateway[octet], octet < 3 ? text : QStringLiteral("1"));
}

void CMyAddressPage::LiveIPv6Check(int box, int messageId) {
    const QString text = GetDlgItemText(box);
    if (address::LiveIPv6CheckFails(text.toStdWString())) {
        MessageBoxOwned(this, FormatQString(messageId, {text}));
    }
}

void CMyAddressPage::Focus(int id) {
    if (QWidget* widget = GetDlgItem(id)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

int CMyAddressPage::CheckAndWrite() {
    std::wstring addressText, maskOrPrefix, gatewayText;
    int kind = ids_.kindIPv4;
    if (m_nAddressMode == address::kModeIPv4) {
        const address::Ipv4Rows rows{m_nAddress, m_nMask, m_nGateway};
        if (const auto failure = address::CheckIpv4Rows(rows)) {
            MessageBoxOwned(this, FormatQString(failure->messageId,
                                                {QString::fromStdWString(failure->argument)}));
            const auto& row = failure->row == address::Ipv4Row::Address ? ids_.address
                              : failure->row == address::Ipv4Row::Mask  ? ids_.mask
                                                                        : ids_.gateway;
            Focus(row[failure->octet]);
            return -1;
        }
        addressText = address::DottedText(m_nAddress);
        maskOrPrefix = address::DottedText(m_nMask);
        gatewayText = address::DottedText(m_nGateway);
    } else {
        kind = ids_.kindIPv6;
        const address::Ipv6Entries entries{GetDlgItemText(ids_.v6Address).toStdWString(),
                                           GetDlgItemText(ids_.prefix).toStdWString(), m_nPrefix,
                                           GetDlgItemText(ids_.v6Gateway).toStdWString()};
        if (const auto failure = address::CheckIpv6Entries(entries)) {
            MessageBoxOwned(this, FormatQString(failure->messageId,
                                                {QString::fromStdWString(failure->argument)}));
            Focus(failure->focus == address::Ipv6Box::Address  ? ids_.v6Address
                  : failure->focus == address::Ipv6Box::Prefix ? ids_.prefix
                                                               : ids_.v6Gateway);
            return -1;
        }
        addressText = address::Trim(entries.address);
        maskOrPrefix = address::Trim(entries.prefixText);
        gatewayText = address::Trim(entries.gateway);
    }

    // The platform parser's verdict: the user may write an address it rejects.
    if (address::ParserRejects(addressText, m_nAddressMode)) {
        const QString question =
            QString::fromStdWString(address::ParserConfirmationText(addressText));
        if (MessageBoxOwned(this, question, platform::MessageButtons::OkCancel) !=
            platform::kAnswerOk) {
            Focus(m_nAddressMode == address::kModeIPv6 ? ids_.v6Address : ids_.address[0]);
            return -1;
        }
    }
    if (taskfile::WriteTaskCommand(kind, addressText, maskOrPrefix, gatewayText) != 0) {
        return -1;
    }
    return 0;
}

}  // namespace wizard
