// What Qt's own controls do with a user's keys: the octet boxes take three digits at most
// and no other character, typed or pasted; the IP address control moves between its fields
// as Windows' does; both name themselves to a screen reader by row and position.
#include <QLineEdit>

#include "QtTest.h"
#include "framework/qt/IPAddressCtrl.h"
#include "wizard/PageIds.h"

namespace tests {
namespace {

using framework::qt::CIPAddressCtrl;
using namespace wizard;
using P1 = CMyPropertyPageConfigIP;
using U1 = MyPropertyPageConfigNeskP1;

class QtControls : public QtTest {};

TEST_F(QtControls, OctetBoxesTakeThreeDigitsAndAreNamedByRowAndPosition) {
    auto sheet = Open(kPageConfigIP);
    QLineEdit* box = Control(sheet->m_pageConfigIP, P1::IDC_ADDRESS_OCTET1);
    Type(box, "1a2.34");
    EXPECT_EQ(box->text(), "123");
    box->selectAll();
    box->insert("x9");  // a pasted non-digit is refused as a whole
    EXPECT_EQ(box->text(), "123");
    EXPECT_EQ(Control(sheet->m_pageConfigIP, P1::IDC_MASK_OCTET3)->accessibleName(),
              "Subnet Mask, octet 3");
    EXPECT_EQ(Control(sheet->m_pageConfigIP, P1::IDC_GATEWAY_OCTET1)->accessibleName(),
              "Gateway, octet 1");
}

// Types a dotted address into the control the way a user does: digits and dots.
void TypeIp(CIPAddressCtrl* control, const QString& text) {
    control->ClearAddress();
    control->Field(0)->setFocus();
    for (QChar c : text) {
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
}

TEST_F(QtControls, TheAddressControlMovesBetweenItsFields) {
    auto sheet = Open(kPageNeskP1);
    auto* control = Control<CIPAddressCtrl>(sheet->m_pageNeskP1, U1::IDC_ADDRESS);
    TypeIp(control, "10.1.200.7");
    std::uint32_t value = 0;
    EXPECT_EQ(control->GetAddress(value), 4);
    EXPECT_EQ(value, 0x0A01C807u);
    // A third digit moves on by itself; a value over 255 becomes 255.
    TypeIp(control, "192168300");
    EXPECT_EQ(control->GetAddress(value), 3);
    EXPECT_EQ(value, 0xC0A8FF00u);
    // Backspace in an empty field goes back to the previous one.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(QApplication::focusWidget(), control->Field(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(control->Field(2)->text(), "25");
    control->SetAddress(0xFFFFFF00u);
    EXPECT_EQ(control->Field(0)->text(), "255");
    EXPECT_EQ(control->Field(3)->text(), "0");
    EXPECT_EQ(control->Field(1)->accessibleName(), "IP Address, octet 2");
}

}  // namespace
}  // namespace tests
