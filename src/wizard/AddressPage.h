#pragma once
// What the new-system page and the service-IP page share: three rows of IPv4 octet boxes
// with the gateway prefill, the IPv6 boxes with the live check, and the checks at Next
// that lead to the task file.

#include <array>

#include "address/AddressChecks.h"
#include "framework/PropertyPage.h"

class QLineEdit;

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
    int kindIPv4;
    int kindIPv6;
};

class CMyAddressPage : public framework::CPropertyPageEx {
    Q_OBJECT
  public:
    CMyAddressPage(int templateId, const framework::DialogTemplate& dialogTemplate,
                   const AddressPageIds& ids);

  protected:
    // Wires the prefill and the live checks; before the first data exchange, so that the
    // texts the page sets fire them like typed text.
    void ConnectAddressHandlers();
    // Lengths, the mask row's initial texts and accessible names.
    void InitAddressBoxes();

    // The IPv4 or IPv6 set of boxes, with the texts that go with the switch.
    void ShowIPv4(bool ipv4);
    void SetRow(const std::array<int, 4>& row, const std::array<const char*, 4>& texts);
    void SetOctetsForIPv6();  // address 0.0.0.0, mask 255.255.255.0, gateway 0.0.0.0

    // The checks at Next after the boxes were read, then the task file. -1 to stay, 0 to go on.
    int CheckAndWrite();

    QLineEdit* LineEdit(int id) const;

    const AddressPageIds ids_;
    int m_nAddressMode = address::kModeIPv4;
    std::array<int, 4> m_nAddress{};
    std::array<int, 4> m_nMask{};
    std::array<int, 4> m_nGateway{};
    int m_nPrefix = 0;

  private:
    void CopyOctetToGateway(int octet, const QString& text);
    void LiveIPv6Check(int box, int messageId);
    void Focus(int id);
};

}  // namespace wizard
