#include <QtTest>

#include "printout.h"
#include "printoutfixture.h"

using namespace comm::print;

namespace {
QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

QStringList texts(const QVector<PrintLine>& lines) {
    QStringList out;
    for (const PrintLine& line : lines) out << line.text;
    return out;
}

int indexOfPrefix(const QStringList& lines, const QString& prefix) {
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(prefix)) return i;
    }
    return -1;
}
}  // namespace

class TestPrintout : public QObject {
    Q_OBJECT
private slots:
    // The whole page of a communication that shows both frames, blank for blank.
    void wholePageOfBothFrames() {
        CommPrintout p = SamplePrintout(3);
        p.loop.plainSelected = false;
        p.loop.valueText = QStringLiteral("5");
        p.delay.plainSelected = false;
        p.delay.valueText = QStringLiteral("200");

        // One entry per printed line, laid out as the page reads.
        // clang-format off
        const QStringList expected = {
            blanks(5) + "通讯 1", "", "",
            blanks(10) + "1.发送数据后向微机回送数据", "", "",
            blanks(10) + "2.串口设置:9600,奇,8,1", "", "",
            blanks(10) + "3.循环通讯 : 循环次数5次", "", "",
            blanks(10) + "4.延迟 : 延迟时间200毫秒", "", "",
            blanks(10) + "5.微机发送数据幀格式", "",
            blanks(15) + "起始位： 2位", "",
            blanks(15) + "数据位： 3位", "",
            blanks(15) + "校验位： 1位", "",
            blanks(15) + "结束位： 1位", "", "",
            blanks(10) + "6.微机接收数据幀格式", "",
            blanks(15) + "起始位： 1位", "",
            blanks(15) + "数据位： 4位", "",
            blanks(15) + "校验位： 0位", "",
            blanks(15) + "结束位： 2位", "", ""};
        // clang-format on
        QCOMPARE(texts(PrintoutLines(p)), expected);
    }

    // A frame that names its checksum prints the name beside its check count; the other does not.
    void checksumNameBesideTheCheckCount() {
        CommPrintout p = SamplePrintout(3);
        p.recvPanel.checkName = QStringLiteral("CRC-16/MODBUS(低字节在前)");
        const QStringList lines = texts(PrintoutLines(p));
        QCOMPARE(lines.filter(QStringLiteral("校验位：")),
                 (QStringList{blanks(15) + "校验位： 1位",
                              blanks(15) + "校验位： 0位  (CRC-16/MODBUS(低字节在前))"}));
    }

    // The title and the two empty lines after it are in the title font, everything else not.
    void onlyTheTitleStatementUsesTheTitleFont() {
        const QVector<PrintLine> lines = PrintoutLines(SamplePrintout(4));
        QVERIFY(lines.size() > 3);
        for (int i = 0; i < lines.size(); ++i) {
            const PrintFont expected = i < 3 ? PrintFont::Title : PrintFont::Body;
            QVERIFY2(lines[i].font == expected, qPrintable(QString::number(i)));
        }
    }

    void optionLines_data() {
        QTest::addColumn<bool>("loopForever");
        QTest::addColumn<QString>("loopText");
        QTest::addColumn<bool>("noDelay");
        QTest::addColumn<QString>("delayText");
        QTest::addColumn<QString>("loopLine");
        QTest::addColumn<QString>("delayLine");
        QTest::newRow("forever, no delay") << true << "7" << true << "30"
                                           << "3.循环通讯 : 一直循环"
                                           << "4.延迟 : 不延迟";
        QTest::newRow("5 times, 100 ms") << false << "5" << false << "100"
                                         << "3.循环通讯 : 循环次数5次"
                                         << "4.延迟 : 延迟时间100毫秒";
        QTest::newRow("box text is printed as typed") << false << "007" << false << "0"
                                                      << "3.循环通讯 : 循环次数007次"
                                                      << "4.延迟 : 延迟时间0毫秒";
        QTest::newRow("empty boxes") << false << "" << false << ""
                                     << "3.循环通讯 : 循环次数次"
                                     << "4.延迟 : 延迟时间毫秒";
    }
    void optionLines() {
        QFETCH(bool, loopForever);
        QFETCH(QString, loopText);
        QFETCH(bool, noDelay);
        QFETCH(QString, delayText);
        QFETCH(QString, loopLine);
        QFETCH(QString, delayLine);
        CommPrintout p = SamplePrintout(1);
        p.loop.plainSelected = loopForever;
        p.loop.valueText = loopText;
        p.delay.plainSelected = noDelay;
        p.delay.valueText = delayText;
        const QStringList lines = texts(PrintoutLines(p));
        QCOMPARE(lines.value(9), blanks(10) + loopLine);
        QCOMPARE(lines.value(12), blanks(10) + delayLine);
    }

    void sectionsFollowVisibility_data() {
        QTest::addColumn<bool>("sendVisible");
        QTest::addColumn<bool>("recvVisible");
        QTest::newRow("send only") << true << false;
        QTest::newRow("receive only") << false << true;
        QTest::newRow("both") << true << true;
        QTest::newRow("neither") << false << false;
    }
    void sectionsFollowVisibility() {
        QFETCH(bool, sendVisible);
        QFETCH(bool, recvVisible);
        CommPrintout p = SamplePrintout(3);
        p.sendPanel.visible = sendVisible;
        p.recvPanel.visible = recvVisible;
        const QStringList lines = texts(PrintoutLines(p));

        const int send = indexOfPrefix(lines, blanks(10) + "5.");
        const int recv = indexOfPrefix(lines, blanks(10) + "6.");
        QCOMPARE(send >= 0, sendVisible);
        QCOMPARE(recv >= 0, recvVisible);
        // A section is 11 lines: its heading, an empty line, four count lines each followed by
        // an empty line, and one more empty line after the last.
        const int sections = int(sendVisible) + int(recvVisible);
        QCOMPARE(lines.size(), 15 + 11 * sections);
        if (sendVisible && recvVisible) QCOMPARE(recv - send, 11);
        // Each section reads its own four counts.
        if (recv >= 0) QCOMPARE(lines[recv + 4], blanks(15) + "数据位： 4位");
        if (send >= 0) QCOMPARE(lines[send + 4], blanks(15) + "数据位： 3位");
    }

    void numberText_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << " 0";
        QTest::newRow("2") << 2 << " 2";
        QTest::newRow("1025") << 1025 << " 1025";
        QTest::newRow("-1 has no blank") << -1 << "-1";
        QTest::newRow("-300") << -300 << "-300";
    }
    void numberText() {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(GeneralNumberText(value), text);
    }
};

QTEST_APPLESS_MAIN(TestPrintout)
#include "test_printout.moc"
