#include "wizard/PageMain.h"

#include "framework/PropertySheet.h"
#include "framework/Text.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "wizard/PageIds.h"
#include "wizard/ToolTitle.h"

namespace wizard {
namespace {

using namespace framework;

const DialogTemplate kTemplate{
    285,
    175,
    {
        Static(CMyPropertyPageMain::IDC_FIRST_TIME_HEADING, 7, 7, 271, 18),
        Radio(CMyPropertyPageMain::IDC_NEW_SYSTEM, 28, 25, 250, 15, kGroup),
        Radio(CMyPropertyPageMain::IDC_ADD_ENCLOSURE, 28, 40, 250, 15),
        Static(CMyPropertyPageMain::IDC_RECOVERY_HEADING, 7, 62, 271, 18),
        Radio(CMyPropertyPageMain::IDC_RESET_PASSWORD, 28, 80, 250, 15),
        Radio(CMyPropertyPageMain::IDC_SERVICE_IP, 28, 95, 250, 15),
        Static(CMyPropertyPageMain::IDC_NOTE, 29, 118, 249, 36),
    }};

}  // namespace

CMyPropertyPageMain::CMyPropertyPageMain() : CPropertyPageEx(IDD_MAIN, kTemplate) {
    SetCaption(LoadToolTitle());
    m_strProductName = platform::LoadText(IDS_PRODUCT_NAME);
    m_strFirstTime = platform::LoadText(IDS_FIRST_TIME_HEADING);
    m_strRecovery = platform::LoadText(IDS_RECOVERY_HEADING);
    m_strNote = platform::LoadFormatted(IDS_PHYSICAL_ACCESS_NOTE, {m_strProductName});
}

void CMyPropertyPageMain::DoDataExchange(DataExchange& dx) {
    dx.Text(IDC_FIRST_TIME_HEADING, m_strFirstTime);
    dx.Text(IDC_RECOVERY_HEADING, m_strRecovery);
    dx.Text(IDC_NOTE, m_strNote);
    dx.Radio(IDC_NEW_SYSTEM, m_nChoice);
}

bool CMyPropertyPageMain::OnInitDialog() {
    CPropertyPageEx::OnInitDialog();
    Ctl().SetText(IDC_NEW_SYSTEM, platform::LoadText(IDS_OPTION_NEW_SYSTEM));
    Ctl().SetText(IDC_RESET_PASSWORD, platform::LoadText(IDS_OPTION_RESET_PASSWORD));
    Ctl().SetText(IDC_SERVICE_IP, platform::LoadText(IDS_OPTION_SERVICE_IP));
    Ctl().SetText(IDC_ADD_ENCLOSURE, platform::LoadText(IDS_OPTION_ADD_ENCLOSURE));
    return true;
}

bool CMyPropertyPageMain::OnSetActive() {
    GetSheet()->SetWizardButtons(PSWIZB_NEXT);
    return CPropertyPageEx::OnSetActive();
}

int CMyPropertyPageMain::OnWizardNext() {
    UpdateData(true);
    int selected = 0;
    for (int id = IDC_NEW_SYSTEM; id <= IDC_SERVICE_IP && selected == 0; ++id) {
        if (Template().Find(id) && Ctl().IsChecked(id)) {
            selected = id;
        }
    }
    switch (selected) {
        case IDC_ADD_ENCLOSURE:
            return IDD_EXPAND;
        case IDC_RESET_PASSWORD:
            return IDD_RESET_PASSWORD_DONE;
        case IDC_SERVICE_IP:
            return IDD_RESET_IP;
        default:
            return IDD_CONFIG_IP;
    }
}

}  // namespace wizard
