#include <QRegularExpression>
#include <QtTest>

#include "documentprintout.h"
#include "documentwindow.h"
#include "printout.h"
#include "translations.h"

using namespace comm;
using namespace comm::print;

// The summary of an English document window reads in English, line for line.
class TestPrintoutEnglish : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(texts::InstallLanguage(texts::Language::English)); }

    void summaryInEnglish() {
        CommDefinition def;
        def.CommKind = 4;
        def.FrameFieldCount = {2, 3, 2, 1, 1, 4, 0, 2};
        def.setPortSettings({6, 4, 2, 0});
        def.FrameCheckName[0] = Checksum::Crc16Modbus;
        DocumentWindow window(def);
        window.setCaption(QStringLiteral("Communication 1"));
        CommOptions options = window.options();
        options.loopForever = false;
        options.loopText = QStringLiteral("5");
        window.setOptions(options);

        QStringList lines;
        for (const PrintLine& line : PrintoutLines(PrintoutFromDocument(window)))
            if (!line.text.trimmed().isEmpty()) lines << line.text.trimmed();
        const QRegularExpression chinese(
            QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
        QCOMPARE(lines.filter(chinese), QStringList());
        QCOMPARE(lines.mid(2, 3), (QStringList{"2.Port settings:9600,None,8,1",
                                               "3.Repeat : Repeat 5 times", "4.Delay : No delay"}));
        QVERIFY(lines.contains("Checksum bytes: 2  (CRC-16/MODBUS (low byte first))"));
        QVERIFY(lines.contains("End bytes: 2"));
    }
};

QTEST_MAIN(TestPrintoutEnglish)
#include "test_printout_english.moc"
