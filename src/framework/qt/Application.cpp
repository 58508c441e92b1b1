#include "framework/qt/Application.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QResource>
#include <cstdio>
#include <cstdlib>

#include "framework/qt/Backend.h"
#include "framework/qt/Language.h"
#include "framework/qt/Platform.h"
#include "platform/StringIds.h"

namespace framework::qt {
namespace {

void FatalStart(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "k4400-init: cannot open a window: %s\n",
                     message.simplified().toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
}

}  // namespace

std::optional<std::string> NoDisplayReason() {
    // A platform the user chose (offscreen, wayland, xcb with its own display) decides itself.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return std::nullopt;
    }
#if defined(Q_OS_LINUX)
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return "no display (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop "
               "session";
    }
#endif
    return std::nullopt;
}

QApplication* StartApplication(int& argc, char** argv) {
    const QtMessageHandler previous = qInstallMessageHandler(FatalStart);
    auto* application = new QApplication(argc, argv);
    qInstallMessageHandler(previous);
    return application;
}

void SetUpApplication(const QString& desktopFileName, const QString& iconFolder) {
    InstallLanguage(ChooseLanguage(QLocale::system().uiLanguages()));
    static QtBackend backend;
    InstallBackend(&backend);
    QGuiApplication::setDesktopFileName(desktopFileName);
    // Each file is one size's pixels, named with the size ("k4400-init-64.argb"), stored
    // uncompressed: the icon is made without decoding an image or loading a plugin.
    QIcon windowIcon;
    const QDir icons(iconFolder);
    for (const QString& file : icons.entryList(QDir::Files)) {
        const int size = file.section(u'-', -1).section(u'.', 0, 0).toInt();
        const QResource pixels(icons.filePath(file));
        if (size > 0 && pixels.isValid() &&
            pixels.compressionAlgorithm() == QResource::NoCompression &&
            pixels.size() == qint64(size) * size * 4) {
            windowIcon.addPixmap(
                QPixmap::fromImage(QImage(pixels.data(), size, size, QImage::Format_ARGB32)));
        }
    }
    QApplication::setWindowIcon(windowIcon);
}

std::optional<std::string> ChooseKeyFolder() {
    // Where desktops mount removable media: /media/<user> (Debian, Ubuntu), /run/media/<user>.
    QString start = QDir::homePath();
    const QString user = qEnvironmentVariable("USER");
    for (const QString& candidate :
         {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user,
          QStringLiteral("/media")}) {
        if (!user.isEmpty() && QDir(candidate).exists()) {
            start = candidate;
            break;
        }
    }
    const QString folder =
        QFileDialog::getExistingDirectory(nullptr, LoadQString(IDS_FW_CHOOSE_KEY), start);
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(folder).toStdString();
}

}  // namespace framework::qt
