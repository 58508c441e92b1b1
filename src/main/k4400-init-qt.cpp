// k4400-init: the Quorvex Veltara K4400 Initialization Tool, its entry point on Linux (Qt).
#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/CommandLine.h"
#include "app/MyWizardApp.h"
#include "framework/Text.h"
#include "framework/qt/Application.h"
#include "framework/qt/Platform.h"
#include "wizard/ToolTitle.h"

namespace {

// Works in the key folder exactly as when started from it.
bool EnterKeyFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::current_path(folder, error);
    if (error) {
        std::fprintf(stderr, "k4400-init: cannot open the key folder %s: %s\n", folder.c_str(),
                     error.message().c_str());
    }
    return !error;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The command line is understood before anything on any key is touched.
    const app::CommandLine line = app::ParseCommandLine({argv + 1, argv + argc});
    switch (line.action) {
        case app::CommandLine::Help:
            std::fputs(app::kUsage, stdout);
            return 0;
        case app::CommandLine::Version:
            std::fputs(app::VersionText().c_str(), stdout);
            return 0;
        case app::CommandLine::Error:
            std::fprintf(stderr, "k4400-init: %s\n%s", line.error.c_str(), app::kUsage);
            return 2;
        case app::CommandLine::Run:
            break;
    }
    if (const auto reason = framework::qt::NoDisplayReason()) {
        std::fprintf(stderr, "k4400-init: %s\n", reason->c_str());
        return 1;
    }
    if (!line.keyFolder.empty() && !EnterKeyFolder(line.keyFolder)) {
        return 2;
    }
    std::unique_ptr<QApplication> application(framework::qt::StartApplication(argc, argv));
    framework::qt::QtPlatform platform;
    platform::Install(&platform);
    framework::qt::SetUpApplication(QStringLiteral("k4400-init"), QStringLiteral(":/icon"));
    framework::SetApplicationName(wizard::LoadToolTitle());
    if (line.chooseKey) {
        // From a desktop menu the current directory is the home folder, never the key.
        const auto folder = framework::qt::ChooseKeyFolder();
        if (!folder || !EnterKeyFolder(*folder)) {
            platform::Install(nullptr);
            return folder ? 2 : 0;
        }
    }
    // The application object removes a stale task file from the key as it is made.
    app::CMyWizardApp theApp;
    theApp.InitInstance();
    platform::Install(nullptr);
    return 0;
}
