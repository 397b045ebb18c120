#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "language.h"
#include "messages.h"
#include "translations.h"

using comm::texts::Language;

Q_DECLARE_METATYPE(Language)

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void environment_data() {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<Language>("expected");
        const auto zh = Language::Chinese;
        const auto en = Language::English;
        QTest::newRow("nothing set") << QStringList{} << zh;
        QTest::newRow("C locale") << QStringList{"LANG=C"} << zh;
        QTest::newRow("POSIX in LC_ALL") << QStringList{"LC_ALL=POSIX", "LANG=en_US.UTF-8"} << zh;
        QTest::newRow("Chinese locale") << QStringList{"LANG=zh_CN.UTF-8"} << zh;
        QTest::newRow("English locale") << QStringList{"LANG=en_GB.UTF-8"} << en;
        QTest::newRow("English with modifier") << QStringList{"LANG=en_IE@euro"} << en;
        QTest::newRow("French locale") << QStringList{"LANG=fr_FR.UTF-8"} << zh;
        QTest::newRow("LC_MESSAGES over LANG")
            << QStringList{"LC_MESSAGES=en_US.UTF-8", "LANG=zh_CN.UTF-8"} << en;
        QTest::newRow("LC_ALL over LC_MESSAGES")
            << QStringList{"LC_ALL=zh_TW.UTF-8", "LC_MESSAGES=en_US.UTF-8"} << zh;
        QTest::newRow("LANGUAGE over the locale")
            << QStringList{"LANGUAGE=en", "LANG=zh_CN.UTF-8"} << en;
        QTest::newRow("LANGUAGE alone") << QStringList{"LANGUAGE=en"} << en;
        QTest::newRow("LANGUAGE list, first known wins")
            << QStringList{"LANGUAGE=fr:zh_CN:en", "LANG=en_US.UTF-8"} << zh;
        QTest::newRow("LANGUAGE of unknown languages only")
            << QStringList{"LANGUAGE=fr:de", "LANG=en_US.UTF-8"} << en;
        QTest::newRow("empty LANGUAGE entries") << QStringList{"LANGUAGE=::en_US:"} << en;
    }

    void environment() {
        QFETCH(QStringList, variables);
        QFETCH(Language, expected);
        QProcessEnvironment env;
        for (const QString& v : variables) env.insert(v.section('=', 0, 0), v.section('=', 1));
        QCOMPARE(comm::texts::LanguageFromEnvironment(env), expected);
    }

    void storedChoiceOverEnvironment() {
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("choices.ini")), QSettings::IniFormat);
        QProcessEnvironment english;
        english.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
        QCOMPARE(comm::texts::StoredLanguage(settings), std::nullopt);
        QCOMPARE(comm::texts::ChosenLanguage(settings, english), Language::English);
        comm::texts::StoreLanguage(settings, Language::Chinese);
        QCOMPARE(comm::texts::ChosenLanguage(settings, english), Language::Chinese);
        comm::texts::StoreLanguage(settings, Language::English);
        QCOMPARE(comm::texts::ChosenLanguage(settings, QProcessEnvironment()), Language::English);
        // A value this version does not know counts as no choice.
        settings.setValue(QStringLiteral("interface/language"), QStringLiteral("tlh"));
        QCOMPARE(comm::texts::ChosenLanguage(settings, english), Language::English);
        QCOMPARE(comm::texts::ChosenLanguage(settings, QProcessEnvironment()), Language::Chinese);
    }

    // The compiled translation is found from a test's folder, switches texts both ways, and a
    // second switch replaces the first instead of stacking on it.
    void installSwitchesBothWays() {
        QVERIFY(comm::texts::InstallLanguage(Language::English));
        QCOMPARE(comm::ui::MessageCaption(), QStringLiteral("Notice"));
        QVERIFY(comm::texts::InstallLanguage(Language::Chinese));
        QCOMPARE(comm::ui::MessageCaption(), QStringLiteral("提示信息"));
        QVERIFY(comm::texts::InstallLanguage(Language::English));
        QVERIFY(comm::texts::InstallLanguage(Language::English));
        QCOMPARE(comm::ui::MessageCaption(), QStringLiteral("Notice"));
        QVERIFY(comm::texts::InstallLanguage(Language::Chinese));
        QCOMPARE(comm::ui::MessageCaption(), QStringLiteral("提示信息"));
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
