#include "framework/qt/Language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

#include "platform/Language.h"

namespace framework::qt {

QStringList SupportedLanguages() {
    QStringList languages;
    for (const char* language : platform::kLanguages) {
        languages << language;
    }
    return languages;
}

QString ChooseLanguage(const QStringList& uiLanguages) {
    std::vector<std::string> names;
    for (const QString& name : uiLanguages) {
        names.push_back(name.toStdString());
    }
    return QString::fromStdString(platform::ChooseLanguage(names));
}

void InstallLanguage(const QString& language) {
    static std::unique_ptr<QTranslator> english, ours, qt;
    for (auto* t : {english.get(), ours.get(), qt.get()}) {
        if (t) {
            QCoreApplication::removeTranslator(t);
        }
    }
    english = std::make_unique<QTranslator>();
    ours.reset();
    qt.reset();
    // Translators installed later are searched first, so English is the fallback.
    if (english->load(":/i18n/k4400_en_US.qm")) {
        QCoreApplication::installTranslator(english.get());
    }
    if (language == "en_US") {
        return;
    }
    ours = std::make_unique<QTranslator>();
    if (ours->load(":/i18n/k4400_" + language + ".qm")) {
        QCoreApplication::installTranslator(ours.get());
    }
    const QString qtName =
        language == "pt_BR" || language.startsWith("zh_") ? language : language.section('_', 0, 0);
    qt = std::make_unique<QTranslator>();
    if (qt->load(":/qt/qtbase_" + qtName + ".qm")) {
        QCoreApplication::installTranslator(qt.get());
    }
}

}  // namespace framework::qt
