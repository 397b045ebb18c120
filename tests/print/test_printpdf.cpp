#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include "pdftext.h"
#include "printer.h"
#include "printoutfixture.h"

using namespace comm::print;

class TestPrintPdf : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    int serial_ = 0;

    // Prints the summary into a new PDF and returns its text lines; fails the test on error.
    QStringList printAndRead(const CommPrintout& printout, QString* pdfPath = nullptr,
                             const QPageSize& pageSize = QPageSize(QPageSize::A4)) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(pageSize);
        const QString path = dir_.filePath(QStringLiteral("summary%1.pdf").arg(++serial_));
        printer.setOutputFileName(path);
        const PrintOutcome outcome = PrintCommPrintout(printer, printout);
        if (!outcome.ok) {
            qWarning() << outcome.message;
            return {};
        }
        if (pdfPath) *pdfPath = path;
        QString error;
        const QStringList lines = PdfTextLines(path, &error);
        if (!error.isEmpty()) qWarning() << error;
        return lines;
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void kindsPrintTheirSections_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("hasSend");
        QTest::addColumn<bool>("hasRecv");
        QTest::newRow("kind 1") << 1 << true << false;
        QTest::newRow("kind 2") << 2 << false << true;
        QTest::newRow("kind 3") << 3 << true << true;
        QTest::newRow("kind 4") << 4 << true << true;
    }
    void kindsPrintTheirSections() {
        QFETCH(int, kind);
        QFETCH(bool, hasSend);
        QFETCH(bool, hasRecv);
        const CommPrintout p = SamplePrintout(kind);
        const QStringList lines = printAndRead(p);
        QVERIFY(!lines.isEmpty());

        QCOMPARE(lines.value(0), p.caption);
        QCOMPARE(lines.value(1), p.kindLine);
        QCOMPARE(lines.value(2), p.settingsLine);
        QCOMPARE(lines.contains(QStringLiteral("5.微机发送数据幀格式")), hasSend);
        QCOMPARE(lines.contains(QStringLiteral("6.微机接收数据幀格式")), hasRecv);
        bool anySix = false;
        for (const QString& line : lines) anySix = anySix || line.startsWith(QStringLiteral("6."));
        QCOMPARE(anySix, hasRecv);
        // Four count lines per printed frame.
        QCOMPARE(lines.filter(QStringLiteral("起始位：")).size(), int(hasSend) + int(hasRecv));
        QCOMPARE(lines.size(), 5 + 5 * (int(hasSend) + int(hasRecv)));
    }

    void loopAndDelayLines_data() {
        QTest::addColumn<bool>("loopsForever");
        QTest::addColumn<QString>("count");
        QTest::addColumn<bool>("noDelay");
        QTest::addColumn<QString>("delay");
        QTest::addColumn<QString>("loopLine");
        QTest::addColumn<QString>("delayLine");
        QTest::newRow("5 times") << false << "5" << true << ""
                                 << "3.循环通讯 : 循环次数5次"
                                 << "4.延迟 : 不延迟";
        QTest::newRow("forever, 250 ms") << true << "5" << false << "250"
                                         << "3.循环通讯 : 一直循环"
                                         << "4.延迟 : 延迟时间250毫秒";
    }
    void loopAndDelayLines() {
        QFETCH(bool, loopsForever);
        QFETCH(QString, count);
        QFETCH(bool, noDelay);
        QFETCH(QString, delay);
        QFETCH(QString, loopLine);
        QFETCH(QString, delayLine);
        CommPrintout p = SamplePrintout(2);
        p.loop.plainSelected = loopsForever;
        p.loop.valueText = count;
        p.delay.plainSelected = noDelay;
        p.delay.valueText = delay;
        const QStringList lines = printAndRead(p);
        QCOMPARE(lines.value(3), loopLine);
        QCOMPARE(lines.value(4), delayLine);
        if (!loopsForever) QVERIFY(lines.value(3).endsWith(count + QStringLiteral("次")));
    }

    void countsKeepTheirLeadingBlank() {
        CommPrintout p = SamplePrintout(3);
        p.fieldCounts = {2, 17, 0, 10, 3, 1024, 1, 9};
        const QStringList lines = printAndRead(p);
        const QStringList expected = {"起始位： 2位",  "数据位： 17位", "校验位： 0位",
                                      "结束位： 10位", "起始位： 3位",  "数据位： 1024位",
                                      "校验位： 1位",  "结束位： 9位"};
        QStringList counts;
        for (const QString& line : lines) {
            if (line.endsWith(QStringLiteral("位")) && line.contains(QStringLiteral("：")))
                counts << line;
        }
        QCOMPARE(counts, expected);
    }

    void titleIsLargerThanBody() {
        CommPrintout p = SamplePrintout(1);
        p.caption = QStringLiteral("标题");
        p.settingsLine = QStringLiteral("正文");
        QString path;
        QVERIFY(!printAndRead(p, &path).isEmpty());
        QString error;
        const double title = PdfWordHeight(path, QStringLiteral("标题"), &error);
        const double body = PdfWordHeight(path, QStringLiteral("正文"), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(title > 0 && body > 0);
        QVERIFY2(qAbs(title / body - 14.0 / 12.0) < 0.05,
                 qPrintable(QStringLiteral("%1 / %2").arg(title).arg(body)));
    }

    // A page too short for the summary continues on the next page instead of losing lines.
    void shortPagesContinue() {
        const CommPrintout p = SamplePrintout(3);
        const QStringList whole = printAndRead(p);
        const QStringList paged =
            printAndRead(p, nullptr, QPageSize(QSizeF(120, 60), QPageSize::Millimeter));
        QVERIFY(paged.contains(QStringLiteral("\f")));
        QStringList joined = paged;
        joined.removeAll(QStringLiteral("\f"));
        QCOMPARE(joined, whole);
    }

    void failuresComeBackAsMessages_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("message");
        QTest::newRow("no printer chosen") << QString() << kNoPrinterMessage;
        QTest::newRow("printer cannot start")
            << QStringLiteral("/nonexistent-folder/x/summary.pdf") << kPrinterStartMessage;
    }
    void failuresComeBackAsMessages() {
        QFETCH(QString, fileName);
        QFETCH(QString, message);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fileName);
        const PrintOutcome outcome = PrintCommPrintout(printer, SamplePrintout(1));
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.message, message);
    }
};

QTEST_MAIN(TestPrintPdf)
#include "test_printpdf.moc"
