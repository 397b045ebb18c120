#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "documentprintout.h"
#include "documentwindow.h"
#include "pdftext.h"
#include "printer.h"
#include "txlfile.h"

using namespace comm;
using namespace comm::print;

namespace {

// Byte values no printed line can contain by accident, in hexadecimal, decimal and as characters.
constexpr qint16 kMarkedValues[] = {0xC3, 0x4B, 0xE7};
const QStringList kMarkedTexts = {"C3", "4B", "E7", "195", "231", "K", "Φ"};

// The definition as the Open command leaves it after reading a file that holds values.
CommDefinition openedCommunication(int kind, quint8 loops, qint32 delay) {
    CommDefinition source;
    source.CommKind = qint16(kind);
    source.FileCommKind = qint16(kind);
    source.FrameFieldCount = {2, 3, 1, 1, 1, 4, 0, 2};
    source.PortSettingIndex = {6, 4, 1, 0};
    source.CommSettings = QStringLiteral("9600,O,8,1");
    source.CommSettingsText = QStringLiteral("9600,奇,8,1");
    int next = 0;
    for (FrameSide side : {FrameSide::Send, FrameSide::Recv})
        for (Field field : {Field::Start, Field::Data, Field::Check, Field::End}) {
            qint16* values = source.values(side, field);
            for (int i = 0; i < source.count(side, field); ++i)
                values[i] = kMarkedValues[next++ % 3];
        }
    CommDefinition opened;
    const QByteArray bytes = EncodeCommFile(source, OptionValues{loops, delay, 0}, true);
    if (DecodeCommFile(bytes, &opened) != ReadStatus::Ok) qFatal("test file not readable");
    opened.CommKind = 0;
    return opened;
}

}  // namespace

class TestDocumentPrint : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    int serial_ = 0;

    QStringList printWindow(const DocumentWindow& window) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = dir_.filePath(QStringLiteral("doc%1.pdf").arg(++serial_));
        printer.setOutputFileName(path);
        const PrintOutcome outcome = PrintCommPrintout(printer, PrintoutFromDocument(window));
        if (!outcome.ok) qWarning() << outcome.message;
        QString error;
        const QStringList lines = PdfTextLines(path, &error);
        if (!error.isEmpty()) qWarning() << error;
        return lines;
    }

private slots:
    void printsWhatTheWindowShows_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("loops");
        QTest::addColumn<int>("delay");
        QTest::addColumn<QString>("loopLine");
        QTest::addColumn<QString>("delayLine");
        QTest::addColumn<bool>("sendSection");
        QTest::addColumn<bool>("recvSection");
        QTest::newRow("kind 1, 5 times") << 1 << 5 << 0 << "3.循环通讯 : 循环次数5次"
                                         << "4.延迟 : 不延迟" << true << false;
        QTest::newRow("kind 2, forever, 40 ms") << 2 << 0 << 40 << "3.循环通讯 : 一直循环"
                                                << "4.延迟 : 延迟时间40毫秒" << false << true;
        QTest::newRow("kind 3") << 3 << 255 << 1000 << "3.循环通讯 : 循环次数255次"
                                << "4.延迟 : 延迟时间1000毫秒" << true << true;
        QTest::newRow("kind 4") << 4 << 0 << 0 << "3.循环通讯 : 一直循环"
                                << "4.延迟 : 不延迟" << true << true;
    }
    void printsWhatTheWindowShows() {
        QFETCH(int, kind);
        QFETCH(int, loops);
        QFETCH(int, delay);
        QFETCH(QString, loopLine);
        QFETCH(QString, delayLine);
        QFETCH(bool, sendSection);
        QFETCH(bool, recvSection);

        CommDefinition def = openedCommunication(kind, quint8(loops), delay);
        DocumentWindow window(def);
        window.setCaption(QStringLiteral("通讯 /tmp/试验.Txl"));
        const QStringList lines = printWindow(window);

        QCOMPARE(lines.value(0), QStringLiteral("通讯 /tmp/试验.Txl"));
        QCOMPARE(lines.value(1), window.kindLine());
        QCOMPARE(lines.value(2), QStringLiteral("2.串口设置:9600,奇,8,1"));
        QCOMPARE(lines.value(3), loopLine);
        QCOMPARE(lines.value(4), delayLine);
        QCOMPARE(lines.contains(QStringLiteral("5.微机发送数据幀格式")), sendSection);
        QCOMPARE(lines.contains(QStringLiteral("6.微机接收数据幀格式")), recvSection);
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^6\\."))).size(),
                 int(recvSection));
        // Four count lines for each printed frame and nothing else after the delay line.
        QCOMPARE(lines.size(), 5 + 5 * (int(sendSection) + int(recvSection)));
        if (sendSection) QVERIFY(lines.contains(QStringLiteral("数据位： 3位")));
        if (recvSection) QVERIFY(lines.contains(QStringLiteral("数据位： 4位")));
    }

    // The window shows the byte values; the printout must not.
    void byteValuesAreNeverPrinted() {
        CommDefinition def = openedCommunication(3, 2, 10);
        DocumentWindow window(def);
        auto* firstSendByte = window.findChild<QLineEdit*>(QStringLiteral("Text4_0"));
        QVERIFY(firstSendByte);
        QCOMPARE(firstSendByte->text(), QStringLiteral("C3"));

        const QStringList lines = printWindow(window);
        QVERIFY(lines.size() > 10);
        for (const QString& line : lines) {
            for (const QString& marked : kMarkedTexts)
                QVERIFY2(!line.contains(marked), qPrintable(line + " holds " + marked));
        }
    }

    // The options are read from the window at the moment of printing, not from the file.
    void optionsChangedInTheWindowArePrinted() {
        CommDefinition def = openedCommunication(1, 0, 0);
        DocumentWindow window(def);
        window.setCaption(QStringLiteral("通讯 2"));
        window.findChild<QRadioButton*>(QStringLiteral("Option1_1"))->click();
        window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("12"));
        window.findChild<QRadioButton*>(QStringLiteral("Option1_2"))->click();
        window.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("75"));
        const QStringList lines = printWindow(window);
        QCOMPARE(lines.value(3), QStringLiteral("3.循环通讯 : 循环次数12次"));
        QCOMPARE(lines.value(4), QStringLiteral("4.延迟 : 延迟时间75毫秒"));
    }
};

QTEST_MAIN(TestDocumentPrint)
#include "test_documentprint.moc"
