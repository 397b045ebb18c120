#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "linesettings.h"
#include "settingsdialog.h"

using comm::LineSettings;
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

}  // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT
private slots:
    void layout() {
        SettingsDialog dialog{QString()};
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

    void confirmWithoutChangesGivesTheSettingsBack() {
        SettingsDialog dialog(QStringLiteral("19200,缺省,7,2"));
        QCOMPARE(shown(dialog), (QStringList{"19200", "7", QStringLiteral("缺省"), "2"}));
        QVERIFY(!dialog.chosen());
        click(dialog, "Command1");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.chosen());
        QCOMPARE(*dialog.chosen()->indexes(), (comm::SettingIndexes{8, 3, 2, 2}));
        QCOMPARE(dialog.chosen()->text(), QStringLiteral("19200,N,7,2"));
        QCOMPARE(dialog.chosen()->shownText(), QStringLiteral("19200,缺省,7,2"));
    }

    // Every combination the lists offer comes back as the indexes it was opened with, from
    // either form of its text.
    void everyCombinationRoundTrips() {
        int combinations = 0;
        for (qint16 b = 0; b < 13; ++b)
            for (qint16 d = 0; d < 5; ++d)
                for (qint16 p = 0; p < 3; ++p)
                    for (qint16 s = 0; s < 3; ++s) {
                        const comm::SettingIndexes index{b, d, p, s};
                        const LineSettings line = *LineSettings::fromIndexes(index);
                        for (const QString& text : {line.text(), line.shownText()}) {
                            SettingsDialog dialog(text);
                            dialog.confirm();
                            QVERIFY(dialog.chosen());
                            QCOMPARE(*dialog.chosen()->indexes(), index);
                            QCOMPARE(dialog.chosen()->text(), line.text());
                            QCOMPARE(dialog.chosen()->shownText(), line.shownText());
                        }
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
        SettingsDialog dialog(QStringLiteral("9600,奇,8,1"));
        dialog.list(SettingsDialog::ParityList)->setCurrentIndex(position);
        click(dialog, "Command1");
        QCOMPARE(dialog.chosen()->text(), QStringLiteral("9600,%1,8,1").arg(letter));
        QCOMPARE(dialog.chosen()->shownText(), QStringLiteral("9600,%1,8,1").arg(word));
        QCOMPARE((*dialog.chosen()->indexes())[comm::kParityIndex], qint16(position));
    }

    void abandonGivesNone() {
        SettingsDialog dialog(QStringLiteral("2400,偶,6,1.5"));
        dialog.list(SettingsDialog::BaudList)->setCurrentIndex(0);
        dialog.confirm();
        click(dialog, "Command2");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.chosen());
    }

    void closingWithTheCloseBoxGivesNone() {
        SettingsDialog dialog(QStringLiteral("300,缺省,5,2"));
        dialog.show();
        dialog.list(SettingsDialog::BaudList)->setCurrentIndex(12);
        dialog.close();
        QVERIFY(!dialog.chosen());
    }

    void pointerGivesFocusToTheButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("confirm") << "Command1";
        QTest::newRow("abandon") << "Command2";
    }
    void pointerGivesFocusToTheButtons() {
        QFETCH(QString, button);
        SettingsDialog dialog(QStringLiteral("9600,奇,8,1"));
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
        SettingsDialog dialog(text);
        QCOMPARE(shown(dialog), lists);
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "test_settingsdialog.moc"
