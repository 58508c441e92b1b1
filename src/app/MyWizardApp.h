#pragma once
// The application object: constructed before anything else, it removes a stale task file;
// InitInstance reports the results found on the key and runs the wizard.

#include <cstdint>

#include "wizard/UnifiedValues.h"

namespace app {

class CMyWizardApp : public wizard::UnifiedValueStore {
  public:
    CMyWizardApp();
    ~CMyWizardApp() override;
    CMyWizardApp(const CMyWizardApp&) = delete;
    CMyWizardApp& operator=(const CMyWizardApp&) = delete;

    // Reports the results, runs the wizard modally and returns false: the program then ends.
    virtual bool InitInstance();

    // The wizard page to start on (0, 3, 4 or 7), after the result dialog if there is one.
    // Does not return when the user's answer ends the program.
    int ChooseStartPage();

    std::uint32_t GetUnifiedClusterIp() const { return clusterIp; }
    std::uint32_t GetUnifiedGateway() const { return gateway; }
    std::uint32_t GetUnifiedMask() const { return mask; }

    int m_nStartPage = 0;
};

// The application object, or nullptr before it exists.
CMyWizardApp* AfxGetApp();

}  // namespace app
