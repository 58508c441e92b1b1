#include "Screens.h"

#include <memory>
#include <utility>
#include <vector>

#include "dialogs/ResultDialogs.h"
#include "framework/Text.h"
#include "platform/KeyFolder.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "wizard/MyPropertySheet.h"
#include "wizard/PageIds.h"

namespace tests {

void VisitAllScreens(tests::PageDriver& driver, const Visitor& visit) {
    using namespace wizard;
    // The done pages as on a key's top folder, then once more as in a folder the system does
    // not read (a long name, as copied tools lie on a key).
#ifdef _WIN32
    platform::KeyPlace place{L"E:\\Tools\\Quorvex\\k4400-init-2026-12", true, true};
#else
    platform::KeyPlace place{L"/media/administrator/K4400-KEY/tools/k4400-init-2026-12", true,
                             true};
#endif
    platform::SetKeyPlaceProbe([&place] { return place; });
    for (int index = 0; index < 10; ++index) {
        CMyPropertySheet sheet(index);
        sheet.SetActivePage(index);
        driver.Show(sheet);
        const Screen screen{&sheet, nullptr};
        const std::string name = "page" + std::to_string(index);
        if (index == kPageConfigIP) {
            visit(name + "-ipv4", screen);
            driver.Click(sheet.m_pageConfigIP, CMyPropertyPageConfigIP::IDC_IPV6);
            visit(name + "-ipv6", screen);
        } else if (index == kPageResetIP) {
            visit(name + "-ipv4", screen);
            driver.Click(sheet.m_pageResetIP, CMyPropertyPageResetIP::IDC_IPV6);
            visit(name + "-ipv6", screen);
            driver.Click(sheet.m_pageResetIP, CMyPropertyPageResetIP::IDC_RESET_DEFAULT);
            visit(name + "-default", screen);
        } else {
            visit(name, screen);
        }
        driver.Close(sheet);
    }
    place.topFolder = false;
    for (int index : {kPageConfigIPDone, kPageResetPasswordDone, kPageResetIPDone, kPageNeskDone}) {
        CMyPropertySheet sheet(index);
        sheet.SetActivePage(index);
        driver.Show(sheet);
        visit("page" + std::to_string(index) + "-elsewhere", {&sheet, nullptr});
        driver.Close(sheet);
    }
    platform::SetKeyPlaceProbe(nullptr);

    const std::wstring address = L"192.168.100.200";
    const std::wstring error =
        L"cmmvc5706e an invalid argument has been entered for the command on the node canister.";
    std::vector<std::pair<int, std::unique_ptr<dialogs::CResultDialog>>> all;
    all.emplace_back(102, std::make_unique<dialogs::CConfigIPSuccessDlg>());
    all.emplace_back(133, std::make_unique<dialogs::CConfigIPFailureDlg>());
    all.emplace_back(134, std::make_unique<dialogs::CResetPasswordSuccessDlg>());
    all.emplace_back(135, std::make_unique<dialogs::CResetPasswordFailureDlg>());
    all.emplace_back(136, std::make_unique<dialogs::CResetIPSuccessDlg>());
    all.emplace_back(137, std::make_unique<dialogs::CResetIPFailureDlg>());
    all.emplace_back(155, std::make_unique<dialogs::CConfigNeskSuccessDlg>());
    all.emplace_back(156, std::make_unique<dialogs::CConfigNeskFailureDlg>());
    for (auto& [id, dialog] : all) {
        if (id == 102 || id == 136) {
            dialog->m_strMessage += address;  // the caller adds the address to these two
        }
        dialog->m_strBattery = platform::LoadFormatted(IDS_BATTERY_CHARGING, {L"12"});
        if (id == 102) {
            dialog->m_strLogin = platform::LoadText(IDS_SUPERUSER_LOGIN);
        }
        dialog->m_strError = error;
        dialog->m_strManagementIP = address;
        dialog->m_strStorageIP = address;
        dialog->m_strFileModule1IP = address;
        dialog->m_strFileModule2IP = address;
        driver.Open(*dialog);
        visit("dialog" + std::to_string(id), Screen{nullptr, dialog.get()});
        driver.Close(*dialog);
    }
}

}  // namespace tests
