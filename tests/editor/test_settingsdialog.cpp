#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "linesettings.h"
#include "settingsdialog.h"

using comm::CommDefinition;
using comm::SettingsDialog;

namespace {

QStringList shown(const SettingsDialog& dialog) {
    QStringList texts;
    for (int i = 0; i < 4; ++i)
        texts << dialog.findChild<QComboBox*>(QStringLiteral("Combo1_%1").arg(i))->currentText();
    return texts;
}

void click(SettingsDialog& dialog, const char* name) {
    dialog.findChild<QPushButton*>(QLatin1String(name))->click();
}

CommDefinition communication(const QString& settings, const QString& text) {
    CommDefinition def;
    def.SettingsTarget = 0;
    def.CommSettings = settings;
    def.CommSettingsText = text;
    if (const auto line = comm::LineSettings::fromListedText(settings))
        def.PortSettingIndex = *line->indexes();
    def.MonitorSettings = QStringLiteral("9600,O,8,1");
    def.MonitorSettingsText = QStringLiteral("9600,奇,8,1");
    return def;
}

}  // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT
private slots:
    void layout() {
        CommDefinition def;
        SettingsDialog dialog(def);
        QCOMPARE(dialog.objectName(), QStringLiteral("Form9"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("通讯设置"));
        QCOMPARE(dialog.findChild<QPushButton*>("Command1")->text(), QStringLiteral("确认[&F]"));
        QCOMPARE(dialog.findChild<QPushButton*>("Command2")->text(), QStringLiteral("放弃[&X]"));
        QComboBox* baud = dialog.list(SettingsDialog::BaudList);
        QCOMPARE(baud->count(), 13);
        QCOMPARE(baud->itemText(7), QStringLiteral("14400"));
        QCOMPARE(dialog.list(SettingsDialog::DataBitsList)->itemText(0), QStringLiteral("4"));
        QCOMPARE(dialog.list(SettingsDialog::ParityList)->itemText(2), QStringLiteral("缺省"));
        QCOMPARE(dialog.list(SettingsDialog::StopBitsList)->itemText(1), QStringLiteral("1.5"));
        for (int i = 0; i < 4; ++i) QVERIFY(!dialog.list(SettingsDialog::List(i))->isEditable());
    }

    void confirmWithoutChangesKeepsTheSettings() {
        CommDefinition def = communication("19200,N,7,2", QStringLiteral("19200,缺省,7,2"));
        def.PortSettingIndex = {0, 0, 0, 0};
        SettingsDialog dialog(def);
        QCOMPARE(shown(dialog), (QStringList{"19200", "7", QStringLiteral("缺省"), "2"}));
        click(dialog, "Command1");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(def.PortSettingIndex, (comm::SettingIndexes{8, 3, 2, 2}));
        QCOMPARE(def.CommSettings, QStringLiteral("19200,N,7,2"));
        QCOMPARE(def.CommSettingsText, QStringLiteral("19200,缺省,7,2"));
        QCOMPARE(def.MonitorSettings, QStringLiteral("9600,O,8,1"));
    }

    // Every combination the lists offer comes back as the indexes it was opened with.
    void everyCombinationRoundTrips() {
        int combinations = 0;
        for (qint16 b = 0; b < 13; ++b)
            for (qint16 d = 0; d < 5; ++d)
                for (qint16 p = 0; p < 3; ++p)
                    for (qint16 s = 0; s < 3; ++s) {
                        const comm::SettingIndexes index{b, d, p, s};
                        const comm::LineSettings line = *comm::LineSettings::fromIndexes(index);
                        CommDefinition def = communication(line.text(), line.shownText());
                        def.PortSettingIndex = {};
                        def.CommSettings.clear();
                        SettingsDialog dialog(def);
                        dialog.confirm();
                        QCOMPARE(def.PortSettingIndex, index);
                        QCOMPARE(def.CommSettings, line.text());
                        QCOMPARE(def.CommSettingsText, line.shownText());
                        ++combinations;
                    }
        QCOMPARE(combinations, 13 * 5 * 3 * 3);
    }

    void parityListOrder_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("word");
        QTest::newRow("even") << 0 << "E" << QStringLiteral("偶");
        QTest::newRow("odd") << 1 << "O" << QStringLiteral("奇");
        QTest::newRow("none") << 2 << "N" << QStringLiteral("缺省");
    }
    void parityListOrder() {
        QFETCH(int, position);
        QFETCH(QString, letter);
        QFETCH(QString, word);
        CommDefinition def = communication("9600,O,8,1", QStringLiteral("9600,奇,8,1"));
        SettingsDialog dialog(def);
        dialog.list(SettingsDialog::ParityList)->setCurrentIndex(position);
        click(dialog, "Command1");
        QCOMPARE(def.CommSettings, QStringLiteral("9600,%1,8,1").arg(letter));
        QCOMPARE(def.CommSettingsText, QStringLiteral("9600,%1,8,1").arg(word));
        QCOMPARE(def.PortSettingIndex[comm::kParityIndex], qint16(position));
    }

    void monitorTargetLeavesTheCommunicationAlone() {
        CommDefinition def = communication("19200,N,7,2", QStringLiteral("19200,缺省,7,2"));
        def.SettingsTarget = -1;
        def.MonitorSettings = QStringLiteral("4800,E,7,2");
        def.MonitorSettingsText = QStringLiteral("4800,偶,7,2");
        const CommDefinition before = def;
        SettingsDialog dialog(def);
        QCOMPARE(shown(dialog), (QStringList{"4800", "7", QStringLiteral("偶"), "2"}));
        dialog.list(SettingsDialog::BaudList)->setCurrentText(QStringLiteral("57600"));
        dialog.list(SettingsDialog::StopBitsList)->setCurrentText(QStringLiteral("1"));
        click(dialog, "Command1");
        QCOMPARE(def.MonitorSettings, QStringLiteral("57600,E,7,1"));
        QCOMPARE(def.MonitorSettingsText, QStringLiteral("57600,偶,7,1"));
        QCOMPARE(def.CommSettings, before.CommSettings);
        QCOMPARE(def.CommSettingsText, before.CommSettingsText);
        QCOMPARE(def.PortSettingIndex, before.PortSettingIndex);
    }

    void abandon_data() {
        QTest::addColumn<int>("target");
        QTest::newRow("communication") << 0;
        QTest::newRow("monitor") << -1;
    }
    void abandon() {
        QFETCH(int, target);
        CommDefinition def = communication("2400,E,6,1.5", QStringLiteral("2400,偶,6,1.5"));
        def.SettingsTarget = qint16(target);
        const CommDefinition before = def;
        SettingsDialog dialog(def);
        dialog.list(SettingsDialog::BaudList)->setCurrentIndex(0);
        click(dialog, "Command2");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(def.CommSettings, before.CommSettings);
        QCOMPARE(def.PortSettingIndex, before.PortSettingIndex);
        QCOMPARE(def.MonitorSettings, before.MonitorSettings);
        QCOMPARE(def.MonitorSettingsText, before.MonitorSettingsText);
        // Emptied text is how the document window learns the dialog was abandoned.
        QCOMPARE(def.CommSettingsText, target == 0 ? QString() : before.CommSettingsText);
    }

    void closingWithTheCloseBoxChangesNothing() {
        CommDefinition def = communication("300,N,5,2", QStringLiteral("300,缺省,5,2"));
        const CommDefinition before = def;
        SettingsDialog dialog(def);
        dialog.show();
        dialog.list(SettingsDialog::BaudList)->setCurrentIndex(12);
        dialog.close();
        QCOMPARE(def.CommSettings, before.CommSettings);
        QCOMPARE(def.CommSettingsText, before.CommSettingsText);
        QCOMPARE(def.PortSettingIndex, before.PortSettingIndex);
    }

    void pointerGivesFocusToTheButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("confirm") << "Command1";
        QTest::newRow("abandon") << "Command2";
    }
    void pointerGivesFocusToTheButtons() {
        QFETCH(QString, button);
        CommDefinition def = communication("9600,O,8,1", QStringLiteral("9600,奇,8,1"));
        SettingsDialog dialog(def);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.list(SettingsDialog::BaudList)->setFocus();
        auto* target = dialog.findChild<QPushButton*>(button);
        QVERIFY(target);
        QVERIFY(!target->hasFocus());
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(target, &enter);
        QVERIFY(target->hasFocus());
    }

    void openingText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lists");
        const QString odd = QStringLiteral("奇");
        QTest::newRow("empty gives the presets") << "" << QStringList{"9600", "8", odd, "1"};
        QTest::newRow("one and a half") << QStringLiteral("110,偶,4,1.5")
                                        << QStringList{"110", "4", QStringLiteral("偶"), "1.5"};
        QTest::newRow("letter form")
            << "38400,N,6,2" << QStringList{"38400", "6", QStringLiteral("缺省"), "2"};
        QTest::newRow("unknown parts keep the presets")
            << "1234,X,9" << QStringList{"9600", "8", odd, "1"};
    }
    void openingText() {
        QFETCH(QString, text);
        QFETCH(QStringList, lists);
        for (int target : {0, -1}) {
            CommDefinition def;
            def.SettingsTarget = qint16(target);
            (target == 0 ? def.CommSettingsText : def.MonitorSettingsText) = text;
            SettingsDialog dialog(def);
            QCOMPARE(shown(dialog), lists);
        }
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "test_settingsdialog.moc"
