// The keyboard tables on Qt: key events typed into whatever has the focus, as a person types.
#include "KeyScripts.h"
#include "QtTest.h"
#include "wizard/PageIds.h"

namespace tests {
namespace {

using namespace tests;
using tests::KeyStep;
using tests::TempKey;

// Presses one key of a script in `window`, as the window system delivers it: to the widget
// that has the focus, after the window's shortcuts (the access keys) have had their turn.
void Press(QWidget* window, const KeyStep& step, framework::qt::SheetDialog* sheet = nullptr) {
    QWindow* handle = window->windowHandle();
    if (step.key.empty()) {
        QTest::keyClick(handle, static_cast<char>(step.character));
    } else if (step.key == "Next") {
        QTest::mouseClick(sheet->NextButton(), Qt::LeftButton);
    } else {
        static const std::map<std::string, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys = {
            {"Tab", {Qt::Key_Tab, Qt::NoModifier}},
            {"S-Tab", {Qt::Key_Backtab, Qt::ShiftModifier}},
            {"Enter", {Qt::Key_Return, Qt::NoModifier}},
            {"Esc", {Qt::Key_Escape, Qt::NoModifier}},
            {"Up", {Qt::Key_Up, Qt::NoModifier}},
            {"Down", {Qt::Key_Down, Qt::NoModifier}},
            {"Left", {Qt::Key_Left, Qt::NoModifier}},
            {"Right", {Qt::Key_Right, Qt::NoModifier}},
        };
        // An access key: Alt and a letter or digit (Qt's key codes are their upper-case ASCII).
        const auto [key, modifiers] = step.key.starts_with("A-")
                                          ? std::pair{static_cast<Qt::Key>(step.key[2]),
                                                      Qt::KeyboardModifiers(Qt::AltModifier)}
                                          : keys.at(step.key);
        QTest::keyClick(handle, key, modifiers);
        if (modifiers & Qt::AltModifier) {
            QTest::qWait(200);  // an access key clicks its button as if pressed for 100 ms
        }
    }
    Settle();
}

class Keyboard : public QtTest {};

TEST_F(Keyboard, TheAddressTypedIsTheAddressWritten) {
    for (const tests::KeyCase& c : tests::KeyCases()) {
        SCOPED_TRACE(c.name);
        std::remove("satask.txt");
        auto sheet = Open(wizard::kPageMain);
        QApplication::setActiveWindow(sheet->Dialog());
        tests::TypeAndExpect(
            c, *sheet, [&](const KeyStep& step) { Press(sheet->Dialog(), step, sheet->Dialog()); });
    }
}

TEST_F(Keyboard, EnterInAResultDialogPressesTheFocusedButton) {
    GTEST_FLAG_SET(death_test_style, "fast");
    for (const tests::DialogKeyCase& c : tests::DialogKeyCases()) {
        SCOPED_TRACE(c.name);
        auto dialog = c.make();
        dialog->Create();
        Box(*dialog)->show();
        QApplication::setActiveWindow(Box(*dialog));
        Settle();
        tests::TypeAndExpect(c, *dialog, fake, [&] {
            for (const KeyStep& step : tests::ParseKeys(c.keys)) {
                Press(Box(*dialog), step);
            }
        });
    }
}

}  // namespace
}  // namespace tests
