#include <QFontDatabase>
#include <QFontInfo>
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

    void fontsAreTheNamedChineseFaces_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("points");
        QTest::newRow("title") << int(PrintFont::Title) << QStringLiteral("黑体") << 14;
        QTest::newRow("body") << int(PrintFont::Body) << QStringLiteral("宋体") << 12;
    }
    void fontsAreTheNamedChineseFaces() {
        QFETCH(int, kind);
        QFETCH(QString, family);
        QFETCH(int, points);
        const QFont font = PrintoutFont(PrintFont(kind));
        QCOMPARE(font.family(), family);
        QCOMPARE(font.pointSize(), points);
        // Where the face itself is missing it resolves to an installed one that writes Chinese.
        const QString resolved = QFontInfo(font).family();
        QVERIFY2(QFontDatabase::writingSystems(resolved).contains(QFontDatabase::SimplifiedChinese),
                 qPrintable(resolved));
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
        QTest::newRow("no printer chosen") << QString() << NoPrinterMessage();
        QTest::newRow("printer cannot start")
            << QStringLiteral("/nonexistent-folder/x/summary.pdf") << PrinterStartMessage();
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
