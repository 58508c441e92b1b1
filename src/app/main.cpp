// k4400-init: the Quorvex Veltara K4400 Initialization Tool.
#include <QApplication>
#include <QLocale>

#include "app/MyWizardApp.h"
#include "framework/Language.h"
#include "framework/QtPlatform.h"
#include "wizard/ToolTitle.h"

namespace {
// Constructed before main runs, like the framework's application object: it removes a
// stale task file from the key before anything else happens.
app::CMyWizardApp theApp;
}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    framework::QtPlatform platform;
    platform::Install(&platform);
    framework::InstallLanguage(framework::ChooseLanguage(QLocale::system().uiLanguages()));
    framework::SetApplicationName(wizard::LoadToolTitle());
    theApp.InitInstance();
    platform::Install(nullptr);
    return 0;
}
