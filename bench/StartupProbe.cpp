// Start-up probes: the wizard up to its first page shown, and a bare Qt Widgets window, each
// printing its peak resident memory once the window is on screen. bench/startup.sh times them.
#include <sys/resource.h>

#include <QApplication>
#include <QLocale>
#include <QWidget>
#include <cstdio>

#ifdef K4400_WIZARD
#include "app/MyWizardApp.h"
#include "framework/Language.h"
#include "framework/QtPlatform.h"
#include "wizard/MyPropertySheet.h"
#include "wizard/ToolTitle.h"
#endif

namespace {
void Report() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_rss_kib %ld\n", usage.ru_maxrss);
}
}  // namespace

int main(int argc, char* argv[]) {
#ifdef K4400_WIZARD
    // The same steps as the wizard's main, up to the first page on screen.
    static app::CMyWizardApp theApp;
    QApplication application(argc, argv);
    framework::QtPlatform platform;
    platform::Install(&platform);
    framework::InstallLanguage(framework::ChooseLanguage(QLocale::system().uiLanguages()));
    QApplication::setApplicationDisplayName(wizard::LoadToolTitle());
    wizard::CMyPropertySheet sheet(theApp.ChooseStartPage());
    sheet.SetActivePage(0);
    sheet.show();
#else
    QApplication application(argc, argv);
    QWidget window;
    window.resize(480, 360);
    window.setWindowTitle("bare");
    window.show();
#endif
    // Shown: exposed and painted into the window's backing store.
    QApplication::processEvents();
    QApplication::processEvents();
    Report();
    return 0;
}
