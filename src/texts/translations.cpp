#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace comm::texts {

namespace {

std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

Language& current() {
    static Language language = Language::Chinese;
    return language;
}

bool install(const QString& name, const QStringList& folders) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (!translator->load(name, folder)) continue;
        QCoreApplication::installTranslator(translator.get());
        installed().push_back(std::move(translator));
        return true;
    }
    return false;
}

}  // namespace

QStringList TranslationFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    // Tests live one folder below the programs of a build.
    return {program + QStringLiteral("/translations"), program + QStringLiteral("/../translations"),
            program + QStringLiteral("/../share/rs232comm/translations")};
}

bool InstallLanguage(Language language) {
    for (const auto& translator : installed()) QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    current() = language;
    const QStringList qtFolder{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    if (language == Language::Chinese) return install(QStringLiteral("qtbase_zh_CN"), qtFolder);
    // Qt's standard texts are English already; its English file only mends their plurals.
    install(QStringLiteral("qtbase_en"), qtFolder);
    return install(QStringLiteral("comm_en"), TranslationFolders());
}

Language InstalledLanguage() {
    return current();
}

}  // namespace comm::texts
