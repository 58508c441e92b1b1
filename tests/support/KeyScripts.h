#pragma once
// What a keyboard user does with the wizard, as scripts of keys: one table, typed by each
// toolkit's own keyboard (Qt's key events, Windows' key messages through the dialog
// manager). A script is text typed into whatever has the focus, with named keys in braces:
// {Tab} {S-Tab} {Enter} {Esc} {Up} {Down} {Left} {Right}, access keys as {A-N} (Alt+N: a
// letter or digit), and {Next}, a click on the Next button with the mouse.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "TempDir.h"
#include "dialogs/ResultDialogs.h"
#include "framework/PropertySheet.h"
#include "wizard/PageIds.h"

namespace tests {

// One step of a script: a named key (without its braces), or one character to type.
struct KeyStep {
    std::string key;  // empty for a character
    wchar_t character = 0;
};

inline std::vector<KeyStep> ParseKeys(const std::wstring& script) {
    std::vector<KeyStep> steps;
    for (std::size_t i = 0; i < script.size(); ++i) {
        if (script[i] == L'{') {
            const std::size_t end = script.find(L'}', i);
            steps.push_back({std::string(script.begin() + static_cast<long>(i) + 1,
                                         script.begin() + static_cast<long>(end)),
                             0});
            i = end;
        } else {
            steps.push_back({std::string(), script[i]});
        }
    }
    return steps;
}

struct KeyCase {
    const char* name;
    const wchar_t* keys;                // typed on the main menu, as the wizard opens
    std::optional<std::string> satask;  // what the key then holds; nullopt: no task file
    int page;                           // where the wizard then is
    int result;                         // 0: still open; 1 Finish; 2 Cancel
};

inline const std::vector<KeyCase>& KeyCases() {
    static const std::string v4 =
        "satask mkcluster -clusterip 192.168.1.50 -gw 192.168.1.1 -mask 255.255.255.0";
    static const std::vector<KeyCase> cases = {
        // The focus the program puts into a box selects its text: typing replaces the "0".
        {"entering page 1", L"{A-N}192{Tab}168{Tab}1{Tab}50{A-N}", v4, wizard::kPageConfigIPDone,
         0},
        {"after a refusal", L"{A-N}{A-N}192{Tab}168{Tab}1{Tab}50{A-N}", v4,
         wizard::kPageConfigIPDone, 0},
        {"after a mode change", L"{A-N}{S-Tab}{Right}{S-Tab}{Left}192{Tab}168{Tab}1{Tab}50{A-N}",
         v4, wizard::kPageConfigIPDone, 0},
        {"the prefix after its refusal",
         L"{A-N}{S-Tab}{Right}2001:db8::50{Tab}128{Tab}2001:db8::1{A-N}64{A-N}",
         "satask mkcluster -clusterip_6 2001:db8::50 -gw_6 2001:db8::1 -prefix_6 64",
         wizard::kPageConfigIPDone, 0},
        {"the service address", L"{Down}{Down}{Down}{A-N}{Tab}{Tab}10{Tab}1{Tab}2{Tab}30{Enter}",
         "satask chserviceip -serviceip 10.1.2.30 -gw 10.1.2.1 -mask 255.255.255.0",
         wizard::kPageResetIPDone, 0},
        // The labels' access keys land in their field's first box, the choices' choose.
        {"rows by their labels' keys",
         L"{A-N}192{Tab}168{Tab}1{Tab}50{A-M}255{Tab}255{Tab}0{Tab}0{A-G}192{Tab}168{Tab}7{Tab}1"
         L"{A-N}",
         "satask mkcluster -clusterip 192.168.1.50 -gw 192.168.7.1 -mask 255.255.0.0",
         wizard::kPageConfigIPDone, 0},
        {"IPv6 rows by their labels' keys",
         L"{A-N}{A-6}{A-G}2001:db8::1{A-P}64{A-A}2001:db8::50{A-N}",
         "satask mkcluster -clusterip_6 2001:db8::50 -gw_6 2001:db8::1 -prefix_6 64",
         wizard::kPageConfigIPDone, 0},
        {"choices by their keys", L"{A-S}{A-N}{A-R}{A-N}", "satask chserviceip -default",
         wizard::kPageResetIPDone, 0},
        {"back from page 1", L"{A-N}{A-B}{Down}{A-N}", std::nullopt, wizard::kPageExpand, 0},
        {"finish on the enclosure page", L"{Down}{A-N}{A-F}", std::nullopt, wizard::kPageExpand, 1},
        // A page without controls gives the focus to its default button.
        {"Next by Enter, then Enter", L"{Down}{Down}{Enter}{Enter}", "satask resetpassword",
         wizard::kPageResetPasswordDone, 1},
        {"Next by Enter, then Esc", L"{Down}{Down}{Enter}{Esc}", std::nullopt,
         wizard::kPageResetPasswordDone, 2},
        {"Next by mouse, then Enter", L"{Down}{Down}{Next}{Enter}", "satask resetpassword",
         wizard::kPageResetPasswordDone, 1},
        {"Next by mouse, then Esc", L"{Down}{Down}{Next}{Esc}", std::nullopt,
         wizard::kPageResetPasswordDone, 2},
    };
    return cases;
}

// Keys in a result dialog as it opens: Enter presses the button that has the focus (the
// first in the tab order), Tab moves on, Esc is Cancel.
struct DialogKeyCase {
    const char* name;
    std::function<std::unique_ptr<dialogs::CResultDialog>()> make;
    const wchar_t* keys;
    int result;       // the code the dialog ends with; 0: it stays open; kEnds: the program ends
    std::string url;  // what the keys open in the browser, if anything
};
constexpr int kEnds = -1;

inline const std::vector<DialogKeyCase>& DialogKeyCases() {
    using namespace dialogs;
    auto with = [](auto make) {
        return [make]() -> std::unique_ptr<CResultDialog> {
            auto dialog = make();
            dialog->m_strIP = L"10.0.0.5";
            dialog->m_strLaunchUrl = L"https://10.0.0.5";
            return dialog;
        };
    };
    auto initOk = with([] { return std::make_unique<CConfigIPSuccessDlg>(); });
    auto initFailed = with([] { return std::make_unique<CConfigIPFailureDlg>(); });
    auto resetOk = with([] { return std::make_unique<CResetPasswordSuccessDlg>(); });
    auto resetFailed = with([] { return std::make_unique<CResetPasswordFailureDlg>(); });
    auto serviceOk = with([] { return std::make_unique<CResetIPSuccessDlg>(); });
    auto serviceFailed = with([] { return std::make_unique<CResetIPFailureDlg>(); });
    auto unifiedOk = with([] { return std::make_unique<CConfigNeskSuccessDlg>(); });
    auto unifiedFailed = with([] { return std::make_unique<CConfigNeskFailureDlg>(); });
    static const std::vector<DialogKeyCase> cases = {
        {"init ok: Enter", initOk, L"{Enter}", kEnds, "https://10.0.0.5"},
        {"init ok: Tab Enter", initOk, L"{Tab}{Enter}", 1, ""},
        {"init failed: Enter", initFailed, L"{Enter}", 1, ""},
        {"init failed: Tab Enter", initFailed, L"{Tab}{Enter}", 2, ""},
        {"reset ok: Enter", resetOk, L"{Enter}", 2, ""},
        {"reset ok: Tab Enter", resetOk, L"{Tab}{Enter}", kEnds, "https://10.0.0.5"},
        {"reset ok: Tab Tab Enter", resetOk, L"{Tab}{Tab}{Enter}", kEnds,
         "http://10.0.0.5/service"},
        {"reset ok: Esc", resetOk, L"{Esc}", 2, ""},
        {"reset failed: Enter", resetFailed, L"{Enter}", 1, ""},
        {"reset failed: Tab Enter", resetFailed, L"{Tab}{Enter}", 2, ""},
        {"service ok: Enter", serviceOk, L"{Enter}", 2, ""},
        {"service ok: Tab Tab Enter", serviceOk, L"{Tab}{Tab}{Enter}", kEnds,
         "http://10.0.0.5/service"},
        {"service failed: Enter", serviceFailed, L"{Enter}", 1, ""},
        {"service failed: Esc", serviceFailed, L"{Esc}", 2, ""},
        {"unified ok: Enter", unifiedOk, L"{Enter}", kEnds, "https://10.0.0.5"},
        {"unified ok: Tab Enter", unifiedOk, L"{Tab}{Enter}", 1, ""},
        {"unified failed: Enter", unifiedFailed, L"{Enter}", 0,
         "https://www.quorvex.com/support/docs/veltara-k4400/installation/troubleshooting"},
        {"unified failed: Tab Enter", unifiedFailed, L"{Tab}{Enter}", 1, ""},
        // A button's access key presses it, wherever the focus is.
        {"init ok: Alt+R", initOk, L"{A-R}", 1, ""},
        {"reset ok: Alt+S", resetOk, L"{A-S}", kEnds, "http://10.0.0.5/service"},
        {"service failed: Alt+T", serviceFailed, L"{A-T}", 1, ""},
    };
    return cases;
}

// Types a case's keys into the wizard, opened on its main menu, with a toolkit's `press`
// (one step at a time, until the wizard has closed), then checks where it is and what the key
// holds.
template <class Press>
void TypeAndExpect(const KeyCase& c, framework::CPropertySheetEx& sheet, Press press) {
    for (const KeyStep& step : ParseKeys(c.keys)) {
        if (sheet.Result() != 0) {
            break;
        }
        press(step);
    }
    EXPECT_EQ(sheet.GetActiveIndex(), c.page);
    EXPECT_EQ(sheet.Result(), c.result);
    if (c.satask) {
        EXPECT_EQ(TempKey::Read("satask.txt"), *c.satask);
    } else {
        EXPECT_FALSE(TempKey::Exists("satask.txt"));
    }
}

// Types a dialog case's keys with `type`, then checks the code the dialog ended with, or the
// launch and the end of the program.
inline void TypeAndExpect(const DialogKeyCase& c, const dialogs::CResultDialog& dialog,
                          FakePlatform& fake, const std::function<void()>& type) {
    if (c.result == kEnds) {
        EXPECT_EXIT(type(), ::testing::ExitedWithCode(0),
                    "open-url <" + c.url + ">\nend-program 0 after 1 launch");
        return;
    }
    fake.launches.clear();
    type();
    EXPECT_EQ(dialog.Result(), c.result);
    EXPECT_EQ(fake.launches.empty(), c.url.empty());
}

}  // namespace tests
