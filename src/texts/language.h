#pragma once

#include <QString>
#include <optional>

class QProcessEnvironment;
class QSettings;

namespace comm::texts {

// Chinese is the language the program is written in; English is its one translation.
enum class Language { Chinese, English };

// The language a desktop asks for: the first entry of LANGUAGE that names a language the program
// has, else the first locale variable that is set (LC_ALL, LC_MESSAGES, LANG, the order the C
// library reads them). Anything but English, "C" and an unset locale included, is Chinese.
Language LanguageFromEnvironment(const QProcessEnvironment& environment);

// "zh_CN" or "en": the form kept in the settings file and given on comm-cli's side.
QString LanguageCode(Language language);
std::optional<Language> LanguageFromCode(const QString& code);

// The user's own choice from the menu, kept between runs; none until one was made.
std::optional<Language> StoredLanguage(const QSettings& settings);
void StoreLanguage(QSettings& settings, Language language);

// The stored choice when there is one, else what the environment asks for.
Language ChosenLanguage(const QSettings& settings, const QProcessEnvironment& environment);

}  // namespace comm::texts
