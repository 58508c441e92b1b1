#include "framework/qt/Platform.h"

#include "framework/Text.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace framework::qt {

int QtPlatform::ShowMessage(const platform::MessageRequest& request) {
    auto* owner = static_cast<QWidget*>(const_cast<void*>(request.owner));
    QMessageBox box(owner);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(request.caption ? QString::fromStdWString(*request.caption)
                                       : QString::fromStdWString(ApplicationName()));
    box.setText(QString::fromStdWString(request.text));
    box.setTextFormat(Qt::PlainText);
    if (request.buttons == platform::MessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? platform::kAnswerOk : platform::kAnswerCancel;
}

std::wstring QtPlatform::LoadString(int id) {
    return qtTrId(QByteArray::number(id).constData()).toStdWString();
}

bool QtPlatform::OpenUrl(const std::wstring& url) {
    // The desktop's URL handler, never a shell.
    return QDesktopServices::openUrl(QUrl(QString::fromStdWString(url), QUrl::StrictMode));
}

void QtPlatform::EndProgram(int exitCode) {
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

QString LoadQString(int id) {
    return QString::fromStdWString(platform::LoadText(id));
}

}  // namespace framework::qt
