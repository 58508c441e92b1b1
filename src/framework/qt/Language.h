#pragma once
// Chooses the interface language from the user's interface languages and installs the
// string table for it, English first so that a missing entry shows English, never an id.

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace framework::qt {

// One of en_US, de_DE, fr_FR, it_IT, es_ES, pt_BR, ja_JP, ko_KR, zh_CN, zh_TW: the first of
// the user's languages that has a table, English when none has.
QString ChooseLanguage(const QStringList& uiLanguages);

// Installs the tables (ours and Qt's own) for `language`; replaces any installed before.
void InstallLanguage(const QString& language);

// The languages in which the string table exists.
QStringList SupportedLanguages();

}  // namespace framework::qt
