#include <QPushButton>
#include <QtTest>

#include "chinesetexts.h"
#include "commdefinition.h"
#include "translations.h"
#include "wizard.h"
#include "wizardcounts.h"
#include "wizardkind.h"
#include "wizardsettings.h"

// The three wizard steps in English: not one Chinese text left on them, and the settings step
// still starts on 9600, odd parity, 8 data bits, 1 stop bit.
class TestWizardEnglish : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(comm::texts::InstallLanguage(comm::texts::Language::English)); }

    void noChineseLeftOnAnyStep() {
        comm::CommDefinition definition;
        comm::NewCommWizard wizard(definition, [] {});
        wizard.start();
        const QWidget* steps[] = {wizard.kindStep(), wizard.countsStep(), wizard.settingsStep()};
        for (const QWidget* step : steps) {
            QVERIFY(step != nullptr);
            const QStringList left = ChineseTextsOn(step);
            QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        }
        const QString title = wizard.kindStep()->windowTitle();
        QCOMPARE(title, QStringLiteral("New Communication Wizard, Step 1"));
        QCOMPARE(wizard.settingsStep()->indexes(), (comm::SettingIndexes{6, 4, 1, 0}));
    }
};

QTEST_MAIN(TestWizardEnglish)
#include "test_wizard_english.moc"
