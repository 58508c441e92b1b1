// Start-up probes: the wizard up to its first page shown, and a bare Qt Widgets window, each
// printing its peak resident memory once the window is on screen. bench/startup.sh times them.
#include <sys/resource.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <cstdio>

#ifdef K4400_WIZARD
#include "app/MyWizardApp.h"
#include "framework/Text.h"
#include "framework/qt/Application.h"
#include "framework/qt/Backend.h"
#include "framework/qt/Platform.h"
#include "framework/qt/Sheet.h"
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
    QApplication application(argc, argv);
    framework::qt::QtPlatform platform;
    platform::Install(&platform);
    framework::qt::SetUpApplication(QStringLiteral("k4400-init"), QStringLiteral(":/icon"));
    framework::SetApplicationName(wizard::LoadToolTitle());
    app::CMyWizardApp theApp;
    wizard::CMyPropertySheet sheet(theApp.ChooseStartPage());
    sheet.SetActivePage(0);
    framework::qt::SheetWidget(sheet)->show();
#elif defined(K4400_BARE_TEXT)
    // A plain window with the main menu's texts in plain widgets: what drawing them costs.
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("If you are setting up your system for the first time:"));
    layout->addWidget(new QRadioButton("Initialize a new Veltara K4400"));
    layout->addWidget(new QRadioButton("Add an enclosure to an existing system"));
    layout->addWidget(new QLabel("If you are unable to access your system:"));
    layout->addWidget(new QRadioButton("Reset the K4400 superuser password"));
    layout->addWidget(new QRadioButton("Set the service assistant IP address"));
    auto* note = new QLabel(
        "Note: You must have physical access to the Veltara K4400 system to complete "
        "initialization.  You are required to insert the USB key into the system.");
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QHBoxLayout;
    for (const char* text : {"< &Back", "&Next >", "Cancel"}) {
        buttons->addWidget(new QPushButton(text));
    }
    layout->addLayout(buttons);
    window.setWindowTitle("Quorvex Veltara K4400 Initialization Tool");
    window.show();
#else
    QApplication application(argc, argv);
    QWidget window;
    window.resize(480, 360);
    window.setWindowTitle("bare");
    window.show();
#endif
    // Shown: mapped and exposed by the window system (at once offscreen; on an X server when
    // it says so), then painted into the window's backing store.
    QWidget* shown = QApplication::topLevelWidgets().value(0);
    for (int waited = 0;
         shown && shown->windowHandle() && !shown->windowHandle()->isExposed() && waited < 5000;
         waited += 10) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    QApplication::processEvents();
    QApplication::processEvents();
    Report();
    return 0;
}
