// Renders every page and result dialog to PNG: gallery LANGUAGE OUTPUT_DIR.
// gallery --language prints the table chosen from the environment.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdio>

#include "Gallery.h"
#include "framework/Text.h"
#include "framework/qt/Backend.h"
#include "framework/qt/Language.h"
#include "framework/qt/Platform.h"
#include "framework/qt/Sheet.h"
#include "wizard/ToolTitle.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc == 2 && QString::fromLocal8Bit(argv[1]) == "--language") {
        // The table the wizard would choose from this environment.
        std::printf("%s\n",
                    qPrintable(framework::qt::ChooseLanguage(QLocale::system().uiLanguages())));
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: gallery LANGUAGE OUTPUT_DIR\n");
        return 2;
    }
    framework::qt::QtPlatform platform;
    const auto driver = tests::MakePageDriver();  // on the Qt backend
    platform::Install(&platform);
    framework::qt::InstallLanguage(QString::fromLocal8Bit(argv[1]));
    framework::SetApplicationName(wizard::LoadToolTitle());
    const QString out = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QDir().mkpath(out);
    QTemporaryDir key;
    QDir::setCurrent(key.path());  // page 3 writes its task on creation
    int saved = 0;
    tests::VisitAllScreens(*driver, [&](const std::string& name, const tests::Screen& screen) {
        saved += tests::SaveShot(tests::WindowOf(screen),
                                 out + "/" + QString::fromStdString(name) + ".png")
                     ? 1
                     : 0;
    });
    std::printf("%d screens saved in %s\n", saved, qPrintable(out));
    platform::Install(nullptr);
    return 0;
}
