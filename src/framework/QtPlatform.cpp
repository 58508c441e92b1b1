#include "framework/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace framework {

int QtPlatform::ShowMessage(const platform::MessageRequest& request) {
    auto* owner = static_cast<QWidget*>(const_cast<void*>(request.owner));
    QMessageBox box(owner);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(request.caption ? QString::fromStdWString(*request.caption)
                                       : ApplicationName());
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
    return QString::fromStdWString(platform::Current().LoadString(id));
}

QString FormatQString(int id, std::initializer_list<QString> args) {
    std::wstring first = args.size() > 0 ? args.begin()->toStdWString() : std::wstring();
    std::wstring second = args.size() > 1 ? (args.begin() + 1)->toStdWString() : std::wstring();
    return QString::fromStdWString(platform::LoadFormatted(id, {first, second}));
}

namespace {
QString& StoredApplicationName() {
    static QString name;
    return name;
}
}  // namespace

QString ApplicationName() {
    return StoredApplicationName();
}

void SetApplicationName(const QString& name) {
    StoredApplicationName() = name;
}

int MessageBoxOwned(QWidget* owner, const QString& text, platform::MessageButtons buttons) {
    return platform::Current().ShowMessage(platform::MessageRequest{
        owner, ApplicationName().toStdWString(), text.toStdWString(), buttons});
}

int MessageBoxOwned(QWidget* owner, const QString& text, const QString& caption) {
    return platform::Current().ShowMessage(platform::MessageRequest{
        owner, caption.toStdWString(), text.toStdWString(), platform::MessageButtons::Ok});
}

}  // namespace framework
