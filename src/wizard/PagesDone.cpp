#include "wizard/PagesDone.h"

#include "forms/PasswordResetForm.h"
#include "framework/PropertySheet.h"
#include "framework/Text.h"
#include "platform/FileError.h"
#include "platform/KeyFolder.h"
#include "platform/Platform.h"
#include "platform/StringIds.h"
#include "platform/Utf8.h"
#include "taskfile/TaskFile.h"
#include "wizard/PageIds.h"
#include "wizard/ToolTitle.h"

namespace wizard {

using namespace framework;

namespace {
const char kRearView[] = "enclosure_rear";
}

CMyInfoPage::CMyInfoPage(Setup setup)
    : CPropertyPageEx(setup.templateId, *setup.dialogTemplate), setup_(std::move(setup)) {
    SetCaption(LoadToolTitle());
    for (const Text& text : setup_.texts) {
        m_strTexts.push_back(
            text.formatted
                ? platform::LoadFormatted(text.stringId, {platform::LoadText(IDS_PRODUCT_NAME)})
                : platform::LoadText(text.stringId));
    }
}

void CMyInfoPage::DoDataExchange(DataExchange& dx) {
    for (std::size_t i = 0; i < setup_.texts.size(); ++i) {
        dx.Text(setup_.texts[i].control, m_strTexts[i]);
    }
}

bool CMyInfoPage::OnInitDialog() {
    CPropertyPageEx::OnInitDialog();
    Ctl().SetText(setup_.titleControl, platform::LoadText(setup_.titleString));
    return true;
}

bool CMyInfoPage::OnSetActive() {
    GetSheet()->SetWizardButtons(setup_.buttons);
    Ctl().SetBoldTitle(setup_.titleControl);
    ShowKeyPlace(IsTaskWritten());
    return CPropertyPageEx::OnSetActive();
}

void CMyInfoPage::ShowKeyPlace(bool written) {
    if (setup_.pictures.empty()) {
        return;
    }
    const platform::KeyPlace place = platform::ProbeKeyPlace();
    const bool warn = written && !place.OnKey();
    Ctl().SetText(IDC_KEY_WARNING,
                  warn ? platform::LoadFormatted(IDS_FW_KEY_NOT_TOP, {place.folder}) : L"");
    Ctl().Show(IDC_KEY_WARNING, warn);
    for (int id : setup_.pictures) {
        Ctl().Show(id, written && !warn);
    }
}

int CMyInfoPage::OnWizardBack() {
    return setup_.backTarget;
}

void CMyInfoPage::OnCancel() {
    // A task file that stays would be executed although the user cancelled: say so.
    for (const char* file : setup_.cancelDeletes) {
        if (const int failure = taskfile::RemoveTaskFile(file); failure != 0) {
            const std::wstring name = platform::FromUtf8(file);
            platform::ShowFileMessage(
                platform::LoadFormatted(IDS_FW_TASK_KEPT, {name}) + L"\n\n" +
                taskfile::DescribeCause(platform::CauseFromErrno(failure), file));
        }
    }
}

namespace {

using ConfigIPDone = CMyPropertyPageConfigIPDone;
using ResetPasswordDone = CMyPropertyPageResetPasswordDone;
using ResetIPDone = CMyPropertyPageResetIPDone;
using Expand = CMyPropertyPageExpand;
using NeskDone = MyPropertyPageConfigNeskDone;

const DialogTemplate kConfigIPDoneTemplate{
    285,
    175,
    {Static(IDC_TITLE, 6, 7, 271, 18), Static(ConfigIPDone::IDC_EJECT, 15, 25, 255, 22),
     Static(ConfigIPDone::IDC_RETURN, 15, 51, 255, 38),
     Picture(ConfigIPDone::IDC_PICTURE, 40, 94, 205, 73, kRearView),
     Static(IDC_KEY_WARNING, 15, 94, 255, 73)}};

const DialogTemplate kResetPasswordDoneTemplate{
    285,
    175,
    {Static(IDC_TITLE, 7, 7, 271, 13), Static(ResetPasswordDone::IDC_EJECT, 15, 22, 263, 35),
     Static(ResetPasswordDone::IDC_RETURN, 15, 62, 263, 32),
     Picture(ResetPasswordDone::IDC_PICTURE, 40, 94, 205, 74, kRearView),
     Static(IDC_KEY_WARNING, 15, 100, 263, 68)}};

const DialogTemplate kResetIPDoneTemplate{
    285,
    175,
    {Static(IDC_TITLE, 7, 6, 271, 13), Static(ResetIPDone::IDC_EJECT, 15, 25, 255, 26),
     Static(ResetIPDone::IDC_RETURN, 15, 54, 255, 36),
     Picture(ResetIPDone::IDC_PICTURE, 40, 94, 205, 73, kRearView),
     Static(IDC_KEY_WARNING, 15, 94, 255, 73)}};

const DialogTemplate kExpandTemplate{
    285,
    175,
    {Static(Expand::IDC_EXPAND_TITLE, 7, 7, 271, 18), Static(Expand::IDC_INTRO, 7, 25, 271, 25),
     Static(Expand::IDC_STEP1, 7, 50, 271, 15), Static(Expand::IDC_STEP1_TEXT, 15, 65, 263, 25),
     Static(Expand::IDC_STEP2, 7, 90, 271, 15), Static(Expand::IDC_STEP2_TEXT, 15, 105, 263, 20),
     Static(Expand::IDC_STEP3, 7, 125, 271, 19), Static(Expand::IDC_STEP3_TEXT, 15, 144, 263, 24)}};

const DialogTemplate kConfigNeskDoneTemplate{
    285,
    175,
    {Static(IDC_TITLE, 7, 7, 271, 23), Static(NeskDone::IDC_EJECT, 7, 29, 271, 31),
     Static(NeskDone::IDC_MOVE, 7, 60, 271, 39),
     Picture(NeskDone::IDC_STEP1_PICTURE, 7, 117, 133, 47, "step1_enclosure"),
     Picture(NeskDone::IDC_STEP2_PICTURE, 145, 117, 133, 47, "step2_file_module"),
     Static(IDC_KEY_WARNING, 7, 117, 271, 47)}};

const CMyInfoPage::Setup kConfigIPDoneSetup{IDD_CONFIG_IP_DONE,
                                            &kConfigIPDoneTemplate,
                                            IDC_TITLE,
                                            IDS_TRANSFER_TITLE,
                                            {{ConfigIPDone::IDC_EJECT, IDS_CONFIG_DONE_EJECT},
                                             {ConfigIPDone::IDC_RETURN, IDS_CONFIG_DONE_RETURN}},
                                            PSWIZB_FINISH,
                                            0,
                                            {taskfile::kTaskFile},
                                            {ConfigIPDone::IDC_PICTURE}};

const CMyInfoPage::Setup kResetPasswordDoneSetup{
    IDD_RESET_PASSWORD_DONE,
    &kResetPasswordDoneTemplate,
    IDC_TITLE,
    IDS_RESET_PASSWORD_TITLE,
    {{ResetPasswordDone::IDC_EJECT, IDS_RESET_PASSWORD_EJECT},
     {ResetPasswordDone::IDC_RETURN, IDS_RESET_PASSWORD_RETURN}},
    PSWIZB_FINISH,
    0,
    {taskfile::kTaskFile},
    {ResetPasswordDone::IDC_PICTURE}};

const CMyInfoPage::Setup kResetIPDoneSetup{
    IDD_RESET_IP_DONE,
    &kResetIPDoneTemplate,
    IDC_TITLE,
    IDS_SERVICE_DONE_TITLE,
    {{ResetIPDone::IDC_EJECT, IDS_SERVICE_DONE_EJECT},
     {ResetIPDone::IDC_RETURN, IDS_SERVICE_DONE_RETURN, true}},
    PSWIZB_FINISH,
    0,
    {taskfile::kTaskFile},
    {ResetIPDone::IDC_PICTURE}};

const CMyInfoPage::Setup kExpandSetup{IDD_EXPAND,
                                      &kExpandTemplate,
                                      Expand::IDC_EXPAND_TITLE,
                                      IDS_EXPAND_TITLE,
                                      {{Expand::IDC_INTRO, IDS_EXPAND_INTRO},
                                       {Expand::IDC_STEP1, IDS_EXPAND_STEP1},
                                       {Expand::IDC_STEP1_TEXT, IDS_EXPAND_STEP1_TEXT},
                                       {Expand::IDC_STEP2, IDS_EXPAND_STEP2},
                                       {Expand::IDC_STEP2_TEXT, IDS_EXPAND_STEP2_TEXT},
                                       {Expand::IDC_STEP3, IDS_EXPAND_STEP3},
                                       {Expand::IDC_STEP3_TEXT, IDS_EXPAND_STEP3_TEXT}},
                                      PSWIZB_BACK | PSWIZB_FINISH,
                                      IDD_MAIN,
                                      {}};

const CMyInfoPage::Setup kConfigNeskDoneSetup{
    IDD_NESK_DONE,
    &kConfigNeskDoneTemplate,
    IDC_TITLE,
    IDS_TRANSFER_TITLE,
    {{NeskDone::IDC_EJECT, IDS_NESK_DONE_EJECT}, {NeskDone::IDC_MOVE, IDS_NESK_DONE_MOVE}},
    PSWIZB_FINISH,
    0,
    {taskfile::kTaskFile, taskfile::kFileModuleTaskFile},
    {NeskDone::IDC_STEP1_PICTURE, NeskDone::IDC_STEP2_PICTURE}};

}  // namespace

CMyPropertyPageConfigIPDone::CMyPropertyPageConfigIPDone() : CMyInfoPage(kConfigIPDoneSetup) {}

CMyPropertyPageResetPasswordDone::CMyPropertyPageResetPasswordDone()
    : CMyInfoPage(kResetPasswordDoneSetup) {}

bool CMyPropertyPageResetPasswordDone::OnSetActive() {
    // The reset needs no input: the task is written as soon as the page is reached (its
    // window is created on that first activation), and again on coming back after a failed
    // write, when the user may have mended the key. Creating the window alone writes nothing,
    // so the sheet may create it to measure it.
    if (!m_bWritten) {
        m_bWritten = taskfile::WriteTaskFiles(forms::PasswordResetForm().Compose()) == 0;
    }
    CMyInfoPage::OnSetActive();
    // Without a task file on the key the page must not say "Click Finish to reset": it says
    // that nothing was written, and Finish gives way to Back.
    Ctl().SetText(IDC_EJECT, platform::LoadText(m_bWritten ? IDS_RESET_PASSWORD_EJECT
                                                           : IDS_FW_RESET_NOT_WRITTEN));
    if (!m_bWritten) {
        GetSheet()->SetWizardButtons(PSWIZB_BACK);
    }
    Ctl().Show(IDC_RETURN, m_bWritten);
    return true;
}

int CMyPropertyPageResetPasswordDone::OnWizardBack() {
    return IDD_MAIN;
}

CMyPropertyPageResetIPDone::CMyPropertyPageResetIPDone() : CMyInfoPage(kResetIPDoneSetup) {}

CMyPropertyPageExpand::CMyPropertyPageExpand() : CMyInfoPage(kExpandSetup) {}

MyPropertyPageConfigNeskDone::MyPropertyPageConfigNeskDone() : CMyInfoPage(kConfigNeskDoneSetup) {}

}  // namespace wizard
