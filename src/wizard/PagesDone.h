#pragma once
// The pages that only inform: the four done pages at the end of every task path, and the
// procedure for adding an enclosure. Each is a table of texts on one shared class.

#include <vector>

#include "framework/PropertyPage.h"

namespace wizard {

class CMyInfoPage : public framework::CPropertyPageEx {
  public:
    struct Text {
        int control;
        int stringId;
        bool formatted = false;  // passed through formatting with the product name
    };
    struct Setup {
        int templateId;
        const framework::DialogTemplate* dialogTemplate;
        int titleControl;
        int titleString;
        std::vector<Text> texts;
        int buttons;
        int backTarget = 0;                      // 0: Back is disabled
        std::vector<const char*> cancelDeletes;  // files Cancel removes, in this order
        // The pictures that give way to the key folder's warning, which takes their place.
        std::vector<int> pictures = {};
    };

    explicit CMyInfoPage(Setup setup);

    bool OnInitDialog() override;
    bool OnSetActive() override;
    int OnWizardBack() override;
    void OnCancel() override;

  protected:
    void DoDataExchange(framework::DataExchange& dx) override;
    // Whether the page's task is on the key (a done page is reached after its write).
    virtual bool IsTaskWritten() const { return true; }

  private:
    // After a task was written: where the key folder is not a key's top folder, the warning
    // line in the pictures' place; otherwise the pictures (none when nothing was written).
    void ShowKeyPlace(bool written);

    Setup setup_;
    std::vector<std::wstring> m_strTexts;
};

// Index 2: after the new-system task was written.
class CMyPropertyPageConfigIPDone : public CMyInfoPage {
  public:
    static constexpr int IDC_EJECT = 1059;
    static constexpr int IDC_RETURN = 1060;
    static constexpr int IDC_PICTURE = 1061;

    CMyPropertyPageConfigIPDone();
};

// Index 3: writes the password-reset task when it is reached. When that fails it says
// nothing was written, offers Back to the main menu instead of Finish, and tries again when
// the user comes back.
class CMyPropertyPageResetPasswordDone : public CMyInfoPage {
  public:
    static constexpr int IDC_EJECT = 1065;
    static constexpr int IDC_RETURN = 1066;
    static constexpr int IDC_PICTURE = 1067;

    CMyPropertyPageResetPasswordDone();
    bool OnSetActive() override;
    int OnWizardBack() override;

    bool IsTaskWritten() const override { return m_bWritten; }

  private:
    bool m_bWritten = false;
};

// Index 5: after the service-IP task was written.
class CMyPropertyPageResetIPDone : public CMyInfoPage {
  public:
    static constexpr int IDC_EJECT = 1071;
    static constexpr int IDC_RETURN = 1072;
    static constexpr int IDC_PICTURE = 1073;

    CMyPropertyPageResetIPDone();
};

// Index 6: how to add an enclosure without this tool.
class CMyPropertyPageExpand : public CMyInfoPage {
  public:
    static constexpr int IDC_EXPAND_TITLE = 1095;
    static constexpr int IDC_INTRO = 1093;
    static constexpr int IDC_STEP1 = 1096;
    static constexpr int IDC_STEP1_TEXT = 1097;
    static constexpr int IDC_STEP2 = 1098;
    static constexpr int IDC_STEP2_TEXT = 1099;
    static constexpr int IDC_STEP3 = 1100;
    static constexpr int IDC_STEP3_TEXT = 1101;

    CMyPropertyPageExpand();
};

// Index 9: after both unified task files were written.
class MyPropertyPageConfigNeskDone : public CMyInfoPage {
  public:
    static constexpr int IDC_EJECT = 1121;
    static constexpr int IDC_MOVE = 1122;
    static constexpr int IDC_STEP1_PICTURE = 1123;
    static constexpr int IDC_STEP2_PICTURE = 1124;

    MyPropertyPageConfigNeskDone();
};

}  // namespace wizard
