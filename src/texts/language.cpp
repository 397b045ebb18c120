#include "language.h"

#include <QProcessEnvironment>
#include <QSettings>

namespace comm::texts {

namespace {

const QString kLanguageKey = QStringLiteral("interface/language");

// "en_GB.UTF-8", "en@euro", "zh_CN", "C": only the language part before the territory counts.
std::optional<Language> languageOfLocaleName(const QString& name) {
    const QString language = name.section(QLatin1Char('.'), 0, 0)
                                 .section(QLatin1Char('@'), 0, 0)
                                 .section(QLatin1Char('_'), 0, 0)
                                 .toLower();
    if (language == QLatin1String("en")) return Language::English;
    if (language == QLatin1String("zh")) return Language::Chinese;
    return std::nullopt;
}

}  // namespace

Language LanguageFromEnvironment(const QProcessEnvironment& environment) {
    const QStringList preferred =
        environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& entry : preferred) {
        if (const auto language = languageOfLocaleName(entry)) return *language;
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QLatin1String(variable));
        if (value.isEmpty()) continue;
        return languageOfLocaleName(value).value_or(Language::Chinese);
    }
    return Language::Chinese;
}

QString LanguageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh_CN");
}

std::optional<Language> LanguageFromCode(const QString& code) {
    if (code == QLatin1String("en")) return Language::English;
    if (code == QLatin1String("zh_CN")) return Language::Chinese;
    return std::nullopt;
}

std::optional<Language> StoredLanguage(const QSettings& settings) {
    return LanguageFromCode(settings.value(kLanguageKey).toString());
}

void StoreLanguage(QSettings& settings, Language language) {
    settings.setValue(kLanguageKey, LanguageCode(language));
}

Language ChosenLanguage(const QSettings& settings, const QProcessEnvironment& environment) {
    return StoredLanguage(settings).value_or(LanguageFromEnvironment(environment));
}

}  // namespace comm::texts
