#pragma once
// What the new-system page and the service-IP page share: three rows of IPv4 octet boxes
// with the gateway prefill, the IPv6 boxes with the live check, and Next: the boxes bound to
// the task's form, its refusal shown, what it composes written.

#include <array>

#include "address/AddressChecks.h"
#include "forms/AddressForm.h"
#include "framework/PropertyPage.h"

namespace wizard {

struct AddressPageIds {
    std::array<int, 4> address;  // octet boxes, octet 1 to 4 from left to right
    std::array<int, 4> mask;
    std::array<int, 4> gateway;
    int v6Address;
    int prefix;
    int v6Gateway;
    int addressLabel;
    int maskLabel;
    int gatewayLabel;
    forms::AddressTask task;
};

// The ids of an address page class that names its controls the same way as the others.
template <class Page>
AddressPageIds AddressPageIdsOf(forms::AddressTask task) {
    return {{Page::IDC_ADDRESS_OCTET1, Page::IDC_ADDRESS_OCTET2, Page::IDC_ADDRESS_OCTET3,
             Page::IDC_ADDRESS_OCTET4},
            {Page::IDC_MASK_OCTET1, Page::IDC_MASK_OCTET2, Page::IDC_MASK_OCTET3,
             Page::IDC_MASK_OCTET4},
            {Page::IDC_GATEWAY_OCTET1, Page::IDC_GATEWAY_OCTET2, Page::IDC_GATEWAY_OCTET3,
             Page::IDC_GATEWAY_OCTET4},
            Page::IDC_V6_ADDRESS,
            Page::IDC_PREFIX,
            Page::IDC_V6_GATEWAY,
            Page::IDC_ADDRESS_LABEL,
            Page::IDC_MASK_LABEL,
            Page::IDC_GATEWAY_LABEL,
            task};
}

class CMyAddressPage : public framework::CPropertyPageEx {
  public:
    CMyAddressPage(int templateId, const framework::DialogTemplate& dialogTemplate,
                   const AddressPageIds& ids);

    // Activation: Back and Next, the bold title, the boxes for the chosen mode, then the
    // framework's reload of the bound controls.
    bool OnSetActive() override;

  protected:
    // Shows and resets the boxes for the radio buttons selected now.
    virtual void ApplyAddressMode() = 0;
    // The notifications: a click on a mode radio button applies the mode, then moves the
    // focus; the octet boxes of the address row prefill the gateway row; the IPv6 boxes are
    // checked as they change. Texts the page sets notify like typed text.
    void OnCommand(int id, framework::Notify code) override;
    // For a mode radio button, the control that takes the focus after a click (0: none);
    // -1 for any other control.
    virtual int ModeFocus(int id) const = 0;
    // Lengths, the mask row's initial texts and accessible names.
    void InitAddressBoxes();

    // The IPv4 or IPv6 set of boxes, with the texts that go with the switch.
    void ShowIPv4(bool ipv4);
    // Switches to the octet rows: the IPv6 texts are cleared, the gateway row set to 0.0.0.0.
    void ApplyIPv4Mode();
    // Switches to the IPv6 boxes: the octet rows go back to their first texts.
    void ApplyIPv6Mode();
    void SetRow(const std::array<int, 4>& row, const std::array<const char*, 4>& texts);
    void SetOctetsForIPv6();  // address 0.0.0.0, mask 255.255.255.0, gateway 0.0.0.0

    // Next: the entries checked as the task's form checks them, the refusal shown (the
    // parser's question asked), then the task file written. -1 to stay, 0 to go on.
    int CheckAndWrite(bool resetDefault);

    const AddressPageIds ids_;
    int m_nAddressMode = address::kModeIPv4;
    std::array<int, 4> m_nAddress{};
    std::array<int, 4> m_nMask{};
    std::array<int, 4> m_nGateway{};
    int m_nPrefix = 0;

  private:
    void CopyOctetToGateway(int octet, const std::wstring& text);
    void LiveIPv6Check(int box, int messageId);
};

}  // namespace wizard
