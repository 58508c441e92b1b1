#pragma once
// What the Win32 tests share: the English table's texts for the recording platform, and the
// wizard on Windows' controls, opened on its main menu and shown in a scratch key folder.

#include <memory>
#include <string>

#include "FakePlatform.h"
#include "PageDriver.h"
#include "TempDir.h"
#include "wizard/MyPropertySheet.h"

// Then Windows.
#include "framework/win32/Backend.h"
#include "framework/win32/Platform.h"

namespace tests {

inline std::wstring EnglishText(int id) {
    return framework::win32::Win32Platform(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US))
        .LoadString(id);
}

class ShownWizard {
  public:
    ShownWizard() {
        fake.loader = EnglishText;
        driver = MakePageDriver();
        sheet = std::make_unique<wizard::CMyPropertySheet>(0);
        sheet->SetActivePage(0);
        driver->Show(*sheet);
    }
    ~ShownWizard() { driver->Close(*sheet); }
    ShownWizard(const ShownWizard&) = delete;
    ShownWizard& operator=(const ShownWizard&) = delete;
    HWND Window() const { return framework::win32::SheetHandle(*sheet); }

    TempKey key;
    FakePlatform fake;
    std::unique_ptr<PageDriver> driver;
    std::unique_ptr<wizard::CMyPropertySheet> sheet;
};

}  // namespace tests
