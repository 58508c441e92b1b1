#pragma once
// The fixture of the offscreen GUI tests: a scratch key folder as current directory, the
// English string table, and the recording platform with the real texts.

#include <gtest/gtest.h>
#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "FakePlatform.h"
#include "TempDir.h"
#include "framework/Dialog.h"
#include "framework/Text.h"
#include "framework/qt/Backend.h"
#include "framework/qt/Language.h"
#include "framework/qt/Platform.h"
#include "framework/qt/Sheet.h"
#include "wizard/MyPropertySheet.h"
#include "wizard/ToolTitle.h"

namespace tests {

inline void Settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

// Runs `body`; when a modal window opens, hands it to `act` (which must close it).
template <class Body>
auto WithModal(const std::function<void(QWidget*)>& act, Body body) {
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll.stop();
            act(modal);
        }
    });
    poll.start();
    return body();
}

inline std::wstring Text(int id) {
    return framework::qt::QtPlatform().LoadString(id);
}

// The Qt widgets behind the framework's windows.
inline QWidget* Widget(const framework::CPropertyPageEx& page, int id) {
    return framework::qt::ControlWidget(page, id);
}
inline QWidget* Widget(const framework::CDialog& dialog, int id) {
    return framework::qt::ControlWidget(dialog, id);
}
template <class T, class Window>
T* WidgetAs(const Window& window, int id) {
    return qobject_cast<T*>(Widget(window, id));
}
inline QDialog* Box(const framework::CDialog& dialog) {
    return framework::qt::DialogWidget(dialog);
}
inline QString DlgText(const framework::CPropertyPageEx& page, int id) {
    return QString::fromStdWString(page.Ctl().Text(id));
}
inline QString DlgText(const framework::CDialog& dialog, int id) {
    return QString::fromStdWString(dialog.Ctl().Text(id));
}

// The wizard under test, with its Qt window at hand.
class TestSheet : public wizard::CMyPropertySheet {
  public:
    using CMyPropertySheet::CMyPropertySheet;
    framework::qt::SheetDialog* Dialog() { return framework::qt::SheetWidget(*this); }
    QPushButton* BackButton() { return Dialog()->BackButton(); }
    QPushButton* NextButton() { return Dialog()->NextButton(); }
    QPushButton* FinishButton() { return Dialog()->FinishButton(); }
    QPushButton* CancelButton() { return Dialog()->CancelButton(); }
    void show() { Dialog()->show(); }
    int result() { return Dialog()->result(); }
};

class QtTest : public ::testing::Test {
  protected:
    void SetUp() override {
        framework::InstallBackend(&backend);
        framework::qt::InstallLanguage("en_US");
        fake.loader = [](int id) { return Text(id); };
        framework::SetApplicationName(wizard::LoadToolTitle());
    }

    // A sheet opened on `index`, shown and settled.
    std::unique_ptr<TestSheet> Open(int index) {
        auto sheet = std::make_unique<TestSheet>(index);
        sheet->SetActivePage(index);
        sheet->show();
        Settle();
        return sheet;
    }

    static void Next(framework::CPropertySheetEx& sheet) {
        QTest::mouseClick(framework::qt::SheetWidget(sheet)->NextButton(), Qt::LeftButton);
        Settle();
    }
    static void Back(framework::CPropertySheetEx& sheet) {
        QTest::mouseClick(framework::qt::SheetWidget(sheet)->BackButton(), Qt::LeftButton);
        Settle();
    }

    template <class T = QLineEdit>
    static T* Control(framework::CPropertyPageEx& page, int id) {
        T* widget = WidgetAs<T>(page, id);
        EXPECT_NE(widget, nullptr) << "no control " << id;
        return widget;
    }

    // Replaces a box's text by typing, as a user would.
    static void Type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }

    // Types an address into four octet boxes.
    static void TypeRow(framework::CPropertyPageEx& page, const std::array<int, 4>& ids,
                        const QStringList& octets) {
        for (int i = 0; i < 4; ++i) {
            Type(Control(page, ids[i]), octets[i]);
        }
    }

    static QString RowText(framework::CPropertyPageEx& page, const std::array<int, 4>& ids) {
        QStringList parts;
        for (int id : ids) {
            parts << DlgText(page, id);
        }
        return parts.join('.');
    }

    std::wstring Formatted(int id, const std::wstring& arg) {
        return platform::FormatMessage(Text(id), {arg});
    }

    framework::qt::QtBackend backend;
    tests::TempKey key;
    tests::FakePlatform fake;
};

}  // namespace tests
