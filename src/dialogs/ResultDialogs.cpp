#include "dialogs/ResultDialogs.h"

#include "address/LaunchUrl.h"
#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"

namespace dialogs {

using namespace framework;

namespace {

const char kSuccess[] = "success";
const char kFailure[] = "failure";

// The parts every dialog shares: header across the top, picture at the left, texts to its
// right, buttons along the bottom.
std::vector<ControlSpec> Frame(const char* picture) {
    return {Static(CResultDialog::IDC_HEADER, 7, 7, 280, 23),
            Picture(CResultDialog::IDC_PICTURE, 7, 30, 33, 31, picture)};
}

DialogTemplate Layout(int cy, const char* picture, std::vector<ControlSpec> rest) {
    std::vector<ControlSpec> controls = Frame(picture);
    controls.insert(controls.end(), rest.begin(), rest.end());
    return DialogTemplate{300, cy, controls};
}

// Two buttons at the bottom right, in tab order.
std::vector<ControlSpec> TwoButtons(int first, int second, int y, int defaultButton) {
    return {Push(first, 108, y, 92, 15, first == defaultButton ? kDefault : kStyleNone),
            Push(second, 201, y, 92, 15, second == defaultButton ? kDefault : kStyleNone)};
}

std::vector<ControlSpec> Join(std::vector<ControlSpec> a, const std::vector<ControlSpec>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::wstring Product() {
    return platform::LoadText(IDS_PRODUCT_NAME);
}

}  // namespace

CResultDialog::CResultDialog(Setup setup)
    : CDialog(setup.templateId, setup.dialogTemplate), setup_(std::move(setup)) {}

void CResultDialog::DoDataExchange(DataExchange& dx) {
    // The texts are shown, never read back: what the key said stays in the members whole.
    if (dx.m_bSaveAndValidate) {
        return;
    }
    for (const Binding& binding : setup_.bindings) {
        std::wstring shown = Shown(this->*binding.member);
        dx.Text(binding.control, shown);
    }
}

bool CResultDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    // The tool title: the application's name, which the program gave the framework.
    Window()->SetCaption(ApplicationName());
    Ctl().SetText(IDC_HEADER, platform::LoadText(setup_.headerString));
    for (const Label& label : setup_.labels) {
        Ctl().SetText(label.control,
                      platform::LoadName(label.stringId));  // names a value, no field
    }
    for (const Button& button : setup_.buttons) {
        Ctl().SetText(button.control, platform::LoadText(button.stringId));
    }
    Ctl().SetBoldTitle(IDC_HEADER);
    // A screen reader reads the outcome when the dialog opens.
    std::wstring message = Ctl().Text(IDC_HEADER);
    for (const Binding& binding : setup_.bindings) {
        message += L'\n' + Shown(this->*binding.member);
    }
    Window()->Describe(message);
    if (!setup_.buttons.empty()) {
        Ctl().Focus(setup_.buttons.front().control);
    }
    return false;
}

void CResultDialog::Render(const report::ResultReport& report) {
    const std::pair<report::Role, Member> members[] = {
        {report::Role::Message, &CResultDialog::m_strMessage},
        {report::Role::Battery, &CResultDialog::m_strBattery},
        {report::Role::Login, &CResultDialog::m_strLogin},
        {report::Role::Error, &CResultDialog::m_strError},
        {report::Role::ManagementIp, &CResultDialog::m_strManagementIP},
        {report::Role::StorageIp, &CResultDialog::m_strStorageIP},
        {report::Role::FileModule1Ip, &CResultDialog::m_strFileModule1IP},
        {report::Role::FileModule2Ip, &CResultDialog::m_strFileModule2IP}};
    for (const report::Text& text : report.texts) {
        for (const auto& [role, member] : members) {
            if (text.role == role) {
                this->*member = text.text;
            }
        }
    }
    m_strIP = report.launchAddress;
    if (const report::Launch* gui = report.LaunchFor(report::Purpose::ManagementGui)) {
        m_strLaunchUrl = gui->url;
    }
}

std::wstring CResultDialog::LaunchUrl(const Launch& launch) const {
    return launch.scheme + this->*launch.member + launch.suffix;
}

void CResultDialog::OnCommand(int id) {
    for (const Launch& launch : setup_.launches) {
        if (launch.control != id) {
            continue;
        }
        // A launch that cannot happen is told by a message this dialog owns: nothing behind it
        // can be clicked until it is answered.
        if (!launch.member) {
            // The documentation page: the dialog stays.
            const std::wstring url = launch.scheme;
            if (!platform::Current().OpenUrl(url)) {
                Ctl().Message(platform::LoadFormatted(IDS_FW_LAUNCH_BY_HAND, {url}), std::nullopt);
            }
            return;
        }
        if (const auto message = address::OpenLaunchUrl(LaunchUrl(launch))) {
            Ctl().Message(*message, std::nullopt);
        }
        platform::Current().EndProgram(0);
    }
}

CConfigIPSuccessDlg::CConfigIPSuccessDlg()
    : CResultDialog(
          {102,
           Layout(150, kSuccess,
                  Join({Static(IDC_MESSAGE, 50, 30, 243, 20), Static(IDC_BATTERY, 50, 52, 243, 26),
                        Static(IDC_LOGIN, 50, 80, 243, 30)},
                       TwoButtons(IDC_LAUNCH_GUI, IDOK, 128, IDOK))),
           IDS_INIT_RESULTS_HEADING,
           {{IDC_MESSAGE, &CResultDialog::m_strMessage},
            {IDC_BATTERY, &CResultDialog::m_strBattery},
            {IDC_LOGIN, &CResultDialog::m_strLogin}},
           {},
           {{IDC_LAUNCH_GUI, IDS_LAUNCH_GUI}, {IDOK, IDS_RETURN_TO_MAIN_MENU}},
           {{IDC_LAUNCH_GUI, L"", &CResultDialog::m_strLaunchUrl, L""}}}) {
    m_strMessage = platform::LoadFormatted(IDS_CONFIGURED_WITH_IP, {Product()});
}

CConfigIPFailureDlg::CConfigIPFailureDlg()
    : CResultDialog(
          {133,
           Layout(150, kFailure,
                  Join({Static(IDC_MESSAGE, 50, 30, 243, 20),
                        Static(IDC_ERROR, 50, 52, 243, 70, kScroll)},
                       TwoButtons(IDOK, IDCANCEL, 128, IDOK))),
           IDS_INIT_FAILURE_HEADING,
           {{IDC_MESSAGE, &CResultDialog::m_strMessage}, {IDC_ERROR, &CResultDialog::m_strError}},
           {},
           {{IDOK, IDS_LAUNCH_SERVICE_ASSISTANT}, {IDCANCEL, IDS_TRY_AGAIN}},
           {}}) {
    m_strMessage = platform::LoadFormatted(IDS_NOT_CONFIGURED, {Product()});
}

namespace {
// Return to Main Menu, Launch GUI, Launch Service Assistant.
std::vector<ControlSpec> ThreeButtons() {
    return {
        Push(IDCANCEL, 15, 128, 85, 15),
        Push(CResetPasswordSuccessDlg::IDC_LAUNCH_GUI, 108, 128, 85, 15),
        Push(CResetPasswordSuccessDlg::IDC_LAUNCH_SERVICE_ASSISTANT, 201, 128, 92, 15, kDefault)};
}
}  // namespace

CResetPasswordSuccessDlg::CResetPasswordSuccessDlg()
    : CResultDialog(
          {134,
           Layout(150, kSuccess,
                  Join({Static(IDC_MESSAGE, 50, 30, 243, 20), Static(IDC_BATTERY, 50, 52, 243, 30)},
                       ThreeButtons())),
           IDS_RESET_SUCCESS_HEADING,
           {{IDC_MESSAGE, &CResultDialog::m_strMessage},
            {IDC_BATTERY, &CResultDialog::m_strBattery}},
           {},
           {{IDCANCEL, IDS_RETURN_TO_MAIN_MENU},
            {IDC_LAUNCH_GUI, IDS_LAUNCH_GUI},
            {IDC_LAUNCH_SERVICE_ASSISTANT, IDS_LAUNCH_SERVICE_ASSISTANT}},
           {{IDC_LAUNCH_GUI, L"https://", &CResultDialog::m_strIP, L""},
            {IDC_LAUNCH_SERVICE_ASSISTANT, L"http://", &CResultDialog::m_strIP, L"/service"}}}) {
    m_strMessage = platform::LoadFormatted(IDS_PASSWORD_RESET, {Product()});
}

CResetPasswordFailureDlg::CResetPasswordFailureDlg()
    : CResultDialog(
          {135,
           Layout(150, kFailure,
                  Join({Static(IDC_MESSAGE, 50, 30, 243, 20),
                        Static(IDC_ERROR, 50, 52, 243, 70, kScroll)},
                       TwoButtons(IDOK, IDCANCEL, 128, IDOK))),
           IDS_RESET_FAILURE_HEADING,
           {{IDC_MESSAGE, &CResultDialog::m_strMessage}, {IDC_ERROR, &CResultDialog::m_strError}},
           {},
           {{IDOK, IDS_TRY_AGAIN}, {IDCANCEL, IDS_RETURN_TO_MAIN_MENU}},
           {}}) {
    m_strMessage = platform::LoadFormatted(IDS_PASSWORD_NOT_RESET, {Product()});
}

CResetIPSuccessDlg::CResetIPSuccessDlg()
    : CResultDialog(
          {136,
           Layout(150, kSuccess,
                  Join({Static(IDC_MESSAGE, 50, 30, 243, 20), Static(IDC_BATTERY, 50, 52, 243, 30)},
                       ThreeButtons())),
           IDS_SERVICE_SUCCESS_HEADING,
           {{IDC_MESSAGE, &CResultDialog::m_strMessage},
            {IDC_BATTERY, &CResultDialog::m_strBattery}},
           {},
           {{IDCANCEL, IDS_RETURN_TO_MAIN_MENU},
            {IDC_LAUNCH_GUI, IDS_LAUNCH_GUI},
            {IDC_LAUNCH_SERVICE_ASSISTANT, IDS_LAUNCH_SERVICE_ASSISTANT}},
           {{IDC_LAUNCH_GUI, L"http://", &CResultDialog::m_strIP, L""},
            {IDC_LAUNCH_SERVICE_ASSISTANT, L"http://", &CResultDialog::m_strIP, L"/service"}}}) {
    m_strMessage = platform::LoadFormatted(IDS_SERVICE_IP_SET, {Product()});
}

CResetIPFailureDlg::CResetIPFailureDlg()
    : CResultDialog(
          {137,
           Layout(150, kFailure,
                  Join({Static(IDC_MESSAGE, 50, 30, 243, 20),
                        Static(IDC_ERROR, 50, 52, 243, 70, kScroll)},
                       TwoButtons(IDOK, IDCANCEL, 128, IDOK))),
           IDS_SERVICE_FAILURE_HEADING,
           {{IDC_MESSAGE, &CResultDialog::m_strMessage}, {IDC_ERROR, &CResultDialog::m_strError}},
           {},
           {{IDOK, IDS_TRY_AGAIN}, {IDCANCEL, IDS_RETURN_TO_MAIN_MENU}},
           {}}) {
    m_strMessage = platform::LoadFormatted(IDS_SERVICE_IP_NOT_SET, {Product()});
}

CConfigNeskSuccessDlg::CConfigNeskSuccessDlg()
    : CResultDialog({155,
                     Layout(233, kSuccess,
                            Join({Static(IDC_MESSAGE, 50, 30, 243, 20),
                                  Static(IDC_MANAGEMENT_LABEL, 50, 56, 145, 14),
                                  Static(IDC_MANAGEMENT_IP, 195, 56, 98, 14, kVerbatim),
                                  Static(IDC_STORAGE_LABEL, 50, 74, 145, 14),
                                  Static(IDC_STORAGE_IP, 195, 74, 98, 14, kVerbatim),
                                  Static(IDC_MODULE1_LABEL, 50, 92, 145, 14),
                                  Static(IDC_MODULE1_IP, 195, 92, 98, 14, kVerbatim),
                                  Static(IDC_MODULE2_LABEL, 50, 110, 145, 14),
                                  Static(IDC_MODULE2_IP, 195, 110, 98, 14, kVerbatim),
                                  Static(IDC_LOGIN, 50, 132, 243, 30)},
                                 TwoButtons(IDC_LAUNCH_GUI, IDOK, 211, IDOK))),
                     IDS_INIT_RESULTS_HEADING,
                     {{IDC_MESSAGE, &CResultDialog::m_strMessage},
                      {IDC_MANAGEMENT_IP, &CResultDialog::m_strManagementIP},
                      {IDC_STORAGE_IP, &CResultDialog::m_strStorageIP},
                      {IDC_MODULE1_IP, &CResultDialog::m_strFileModule1IP},
                      {IDC_MODULE2_IP, &CResultDialog::m_strFileModule2IP},
                      {IDC_LOGIN, &CResultDialog::m_strLogin}},
                     {{IDC_MANAGEMENT_LABEL, IDS_MANAGEMENT_IP},
                      {IDC_STORAGE_LABEL, IDS_PRODUCT_NAME},
                      {IDC_MODULE1_LABEL, IDS_FILE_MODULE1},
                      {IDC_MODULE2_LABEL, IDS_FILE_MODULE2}},
                     {{IDC_LAUNCH_GUI, IDS_LAUNCH_GUI}, {IDOK, IDS_RETURN_TO_MAIN_MENU}},
                     {{IDC_LAUNCH_GUI, L"https://", &CResultDialog::m_strIP, L""}}}) {
    m_strMessage = platform::LoadFormatted(IDS_UNIFIED_CONFIGURED,
                                           {platform::LoadText(IDS_UNIFIED_PRODUCT_NAME)});
    m_strLogin = platform::LoadText(IDS_ADMIN_LOGIN);
}

CConfigNeskFailureDlg::CConfigNeskFailureDlg()
    : CResultDialog(
          {156,
           Layout(150, kFailure,
                  Join({Static(IDC_MESSAGE, 50, 30, 243, 20),
                        Static(IDC_ERROR, 50, 52, 243, 70, kScroll)},
                       TwoButtons(IDC_LAUNCH_INFO_CENTER, IDOK, 128, IDC_LAUNCH_INFO_CENTER))),
           IDS_INIT_FAILURE_HEADING,
           {{IDC_MESSAGE, &CResultDialog::m_strMessage}, {IDC_ERROR, &CResultDialog::m_strError}},
           {},
           {{IDC_LAUNCH_INFO_CENTER, IDS_LAUNCH_INFO_CENTER}, {IDOK, IDS_TRY_AGAIN}},
           {{IDC_LAUNCH_INFO_CENTER, report::kInfoCenterUrl, nullptr, L""}}}) {
    m_strMessage =
        platform::LoadFormatted(IDS_NOT_CONFIGURED, {platform::LoadText(IDS_FILE_MODULE)});
}

std::unique_ptr<CResultDialog> MakeResultDialog(const report::ResultReport& report) {
    std::unique_ptr<CResultDialog> dialog;
    switch (report.outcome()) {
        case report::InitSuccess:
            dialog = std::make_unique<CConfigIPSuccessDlg>();
            break;
        case report::InitFailure:
            dialog = std::make_unique<CConfigIPFailureDlg>();
            break;
        case report::PasswordResetSuccess:
            dialog = std::make_unique<CResetPasswordSuccessDlg>();
            break;
        case report::PasswordResetFailure:
            dialog = std::make_unique<CResetPasswordFailureDlg>();
            break;
        case report::ServiceIpSuccess:
            dialog = std::make_unique<CResetIPSuccessDlg>();
            break;
        case report::ServiceIpFailure:
            dialog = std::make_unique<CResetIPFailureDlg>();
            break;
        case report::UnifiedSuccess:
            dialog = std::make_unique<CConfigNeskSuccessDlg>();
            break;
        case report::UnifiedFileModuleFailure:
            dialog = std::make_unique<CConfigNeskFailureDlg>();
            break;
        case report::NoResult:
            return dialog;
    }
    dialog->Render(report);
    return dialog;
}

}  // namespace dialogs
