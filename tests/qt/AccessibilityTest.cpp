// Keyboard and screen reader: every control is reached by Tab in reading order and has a
// name; the result dialogs hand their message to a screen reader.
#include <QAccessible>
#include <QButtonGroup>
#include <QComboBox>
#include <QRadioButton>

#include "Gallery.h"
#include "QtTest.h"
#include "framework/Dialog.h"
#include "wizard/PageIds.h"

namespace tests {
namespace {

using namespace tests;
using namespace wizard;

// A control Tab stops at. A group of option buttons is one stop: its checked button, or
// any of them while none is checked; the arrow keys reach the others.
bool TakesTab(QWidget* w, QWidget* window) {
    if (!window->isAncestorOf(w) || !w->isVisible() || !w->isEnabled() || w->focusProxy()) {
        return false;
    }
    auto* radio = qobject_cast<QRadioButton*>(w);
    if (radio && radio->group()) {
        return w->focusPolicy() != Qt::NoFocus &&
               (radio->isChecked() || !radio->group()->checkedButton());
    }
    return (w->focusPolicy() & Qt::TabFocus) != 0;
}

class Accessibility : public QtTest {};

TEST_F(Accessibility, TabOrderAndNamesOnEveryScreen) {
    int screens = 0;
    const auto driver = tests::MakePageDriver();
    tests::VisitAllScreens(*driver, [&](const std::string& name, const tests::Screen& screen) {
        QWidget* window = tests::WindowOf(screen);
        ++screens;
        // Press Tab round the window once, from the first control that takes it (the first
        // button, on a page without controls).
        QList<QWidget*> chain;
        QWidget* first = nullptr;
        for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
            if (TakesTab(w, window) && (!first || qobject_cast<QPushButton*>(first))) {
                if (!first || !qobject_cast<QPushButton*>(w)) {
                    first = w;
                }
            }
        }
        if (first) {
            first->setFocus(Qt::TabFocusReason);
        }
        for (QWidget* w = QApplication::focusWidget(); w && !chain.contains(w);
             w = QApplication::focusWidget()) {
            chain << w;
            QTest::keyClick(w, Qt::Key_Tab);
        }
        ASSERT_FALSE(chain.isEmpty()) << name;
        // Everything that takes the focus is in the chain and has a name.
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!TakesTab(w, window)) {
                continue;
            }
            EXPECT_TRUE(chain.contains(w)) << name << " " << w->objectName().toStdString();
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(accessible, nullptr);
            EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
                << name << ": control " << w->objectName().toStdString()
                << " has no accessible name";
        }
        // Reading order: top to bottom, and left to right on a line.
        for (int i = 1; i < chain.size(); ++i) {
            const QPoint a = chain[i - 1]->mapTo(window, QPoint(0, 0));
            const QPoint b = chain[i]->mapTo(window, QPoint(0, 0));
            const bool sameLine = std::abs(a.y() - b.y()) < chain[i]->height() / 2;
            EXPECT_TRUE(sameLine ? b.x() > a.x() : b.y() > a.y())
                << name << ": Tab goes from " << chain[i - 1]->objectName().toStdString() << " to "
                << chain[i]->objectName().toStdString();
        }
        if (name.starts_with("dialog")) {
            // What a screen reader is told when the dialog opens.
            const QString description =
                QAccessible::queryAccessibleInterface(window)->text(QAccessible::Description);
            EXPECT_TRUE(description.contains(DlgText(*screen.dialog, 1001))) << name;
            EXPECT_GT(description.count('\n'), 0) << name;
        }
    });
    EXPECT_EQ(screens, tests::kScreenCount);
}

// The main menu's four choices are option buttons to a screen reader, one Tab stop, and the
// arrow keys move the choice.
TEST_F(Accessibility, MainMenuChoicesAreOneGroupOfRadioButtons) {
    auto sheet = Open(kPageMain);
    auto& page = sheet->m_pageMain;
    const int ids[] = {CMyPropertyPageMain::IDC_NEW_SYSTEM, CMyPropertyPageMain::IDC_RESET_PASSWORD,
                       CMyPropertyPageMain::IDC_SERVICE_IP, CMyPropertyPageMain::IDC_ADD_ENCLOSURE};
    for (int id : ids) {
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(Control<QRadioButton>(page, id));
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), QAccessible::RadioButton) << id;
    }
    auto* first = Control<QRadioButton>(page, ids[0]);
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first, Qt::Key_Down);  // the next choice down is "add an enclosure"
    EXPECT_TRUE(Control<QRadioButton>(page, ids[3])->isChecked());
    EXPECT_FALSE(first->isChecked());
    QWidget* focused = QApplication::focusWidget();
    EXPECT_EQ(focused, Widget(page, ids[3]));
    QTest::keyClick(focused, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), sheet->NextButton());
    QTest::keyClick(sheet->NextButton(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), Widget(page, ids[3]));
}

}  // namespace
}  // namespace tests
