// Keyboard and screen reader: every control is reached by Tab in reading order and has a
// name; the result dialogs hand their message to a screen reader.
#include <QAccessible>
#include <QComboBox>

#include "Gallery.h"
#include "UiTest.h"
#include "framework/Dialog.h"

namespace {

using namespace uitest;

bool TakesTab(QWidget* w, QWidget* window) {
    return window->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
           (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

class Accessibility : public UiTest {};

TEST_F(Accessibility, TabOrderAndNamesOnEveryScreen) {
    int screens = 0;
    gallery::VisitAllScreens([&](const QString& name, QWidget* window) {
        ++screens;
        // Press Tab round the window once, from the first control that takes it.
        QList<QWidget*> chain;
        for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
            if (TakesTab(w, window) && !qobject_cast<QPushButton*>(w)) {
                w->setFocus(Qt::TabFocusReason);
                break;
            }
        }
        for (QWidget* w = QApplication::focusWidget(); w && !chain.contains(w);
             w = QApplication::focusWidget()) {
            chain << w;
            QTest::keyClick(w, Qt::Key_Tab);
        }
        ASSERT_FALSE(chain.isEmpty()) << name.toStdString();
        // Everything that takes the focus is in the chain and has a name.
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!TakesTab(w, window)) {
                continue;
            }
            EXPECT_TRUE(chain.contains(w))
                << name.toStdString() << " " << w->objectName().toStdString();
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(accessible, nullptr);
            EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
                << name.toStdString() << ": control " << w->objectName().toStdString()
                << " has no accessible name";
        }
        // Reading order: top to bottom, and left to right on a line.
        for (int i = 1; i < chain.size(); ++i) {
            const QPoint a = chain[i - 1]->mapTo(window, QPoint(0, 0));
            const QPoint b = chain[i]->mapTo(window, QPoint(0, 0));
            const bool sameLine = std::abs(a.y() - b.y()) < chain[i]->height() / 2;
            EXPECT_TRUE(sameLine ? b.x() > a.x() : b.y() > a.y())
                << name.toStdString() << ": Tab goes from "
                << chain[i - 1]->objectName().toStdString() << " to "
                << chain[i]->objectName().toStdString();
        }
        if (name.startsWith("dialog")) {
            // What a screen reader is told when the dialog opens.
            const QString description =
                QAccessible::queryAccessibleInterface(window)->text(QAccessible::Description);
            EXPECT_TRUE(description.contains(
                dynamic_cast<framework::CDialog*>(window)->GetDlgItemText(1001)))
                << name.toStdString();
            EXPECT_GT(description.count('\n'), 0) << name.toStdString();
        }
    });
    EXPECT_EQ(screens, 21);
}

}  // namespace
