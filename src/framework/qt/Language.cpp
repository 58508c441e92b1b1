#include "framework/qt/Language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

namespace framework::qt {

QStringList SupportedLanguages() {
    return {"en_US", "de_DE", "fr_FR", "it_IT", "es_ES",
            "pt_BR", "ja_JP", "ko_KR", "zh_CN", "zh_TW"};
}

QString ChooseLanguage(const QStringList& uiLanguages) {
    for (QString tag : uiLanguages) {
        tag = tag.toLower().replace('_', '-');
        const QString primary = tag.section('-', 0, 0);
        if (primary == "zh") {
            const QStringList parts = tag.split('-');
            const bool traditional = parts.contains("tw") || parts.contains("hk") ||
                                     parts.contains("mo") || parts.contains("hant");
            return traditional ? "zh_TW" : "zh_CN";
        }
        if (primary == "pt") {
            return "pt_BR";
        }
        for (const QString& language : SupportedLanguages()) {
            if (language.section('_', 0, 0).toLower() == primary) {
                return language;
            }
        }
    }
    return "en_US";
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
