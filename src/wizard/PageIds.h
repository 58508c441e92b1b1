#pragma once
// The identifiers of the wizard pages (their template numbers), by which Next and Back
// handlers name their targets, and their positions in the sheet.

namespace wizard {

constexpr int IDD_MAIN = 157;
constexpr int IDD_CONFIG_IP = 105;
constexpr int IDD_CONFIG_IP_DONE = 106;
constexpr int IDD_RESET_PASSWORD_DONE = 108;
constexpr int IDD_RESET_IP = 109;
constexpr int IDD_RESET_IP_DONE = 110;
constexpr int IDD_EXPAND = 138;
constexpr int IDD_NESK_P1 = 150;
constexpr int IDD_NESK_P2 = 151;
constexpr int IDD_NESK_DONE = 154;

enum PageIndex {
    kPageMain = 0,
    kPageConfigIP = 1,
    kPageConfigIPDone = 2,
    kPageResetPasswordDone = 3,
    kPageResetIP = 4,
    kPageResetIPDone = 5,
    kPageExpand = 6,
    kPageNeskP1 = 7,
    kPageNeskP2 = 8,
    kPageNeskDone = 9,
};

// The pages' class names, by position, for reports that name a page.
inline constexpr const char* kPageClassNames[] = {
    "CMyPropertyPageMain",         "CMyPropertyPageConfigIP",
    "CMyPropertyPageConfigIPDone", "CMyPropertyPageResetPasswordDone",
    "CMyPropertyPageResetIP",      "CMyPropertyPageResetIPDone",
    "CMyPropertyPageExpand",       "MyPropertyPageConfigNeskP1",
    "MyPropertyPageConfigNeskP2",  "MyPropertyPageConfigNeskDone"};

constexpr int IDC_TITLE = 1001;
// The done pages' line that says the task went to a folder the system does not read.
constexpr int IDC_KEY_WARNING = 1002;

}  // namespace wizard
