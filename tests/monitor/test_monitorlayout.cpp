#include <QtTest>

#include "monitorlayout.h"
#include "texthelpers.h"

using namespace comm::monitor;

Q_DECLARE_METATYPE(comm::monitor::NavigationKey)
Q_DECLARE_METATYPE(comm::monitor::DisplayMode)

class TestMonitorLayout : public QObject {
    Q_OBJECT
private slots:
    void lineCount_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("lines");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("one byte") << 1 << 1;
        QTest::newRow("19") << 19 << 1;
        QTest::newRow("exactly one line") << 20 << 1;
        QTest::newRow("one over") << 21 << 2;
        QTest::newRow("40") << 40 << 2;
        QTest::newRow("620") << 620 << 31;
        QTest::newRow("621") << 621 << 32;
        QTest::newRow("capture limit") << 32767 << 1639;
        QTest::newRow("full buffer") << 32768 << 1639;
    }
    void lineCount() {
        QFETCH(int, count);
        QFETCH(int, lines);
        QCOMPARE(LineCountFor(count), lines);
    }

    void linesShown_data() {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("topLine");
        QTest::addColumn<int>("shown");
        QTest::newRow("nothing captured") << 0 << 1 << 0;
        QTest::newRow("one line") << 1 << 1 << 1;
        QTest::newRow("exactly a page") << 30 << 1 << 30;
        QTest::newRow("more than a page") << 45 << 1 << 30;
        QTest::newRow("end of 45") << 45 << 16 << 30;
        QTest::newRow("last 17") << 45 << 29 << 17;
        QTest::newRow("last line on top") << 45 << 45 << 1;
        QTest::newRow("past the last line") << 45 << 46 << 0;
        QTest::newRow("far past") << 45 << 100 << 0;
    }
    void linesShown() {
        QFETCH(int, lineCount);
        QFETCH(int, topLine);
        QFETCH(int, shown);
        QCOMPARE(LinesShown(lineCount, topLine), shown);
    }

    // The window's view over a refresh: back to line 1 with the line count of the new count,
    // wherever the user had moved; keys move within that count.
    void viewPosition() {
        ViewPosition view;
        QVERIFY(!view.shown());
        QCOMPARE(view.navigate(NavigationKey::Down), 0);
        view.showFromStart(900);
        QCOMPARE(view.lineCount(), 45);
        QCOMPARE(view.navigate(NavigationKey::End), 16);
        QCOMPARE(view.navigate(NavigationKey::Down), 17);
        QCOMPARE(view.navigate(NavigationKey::PageUp), 1);
        QCOMPARE(view.navigate(NavigationKey::PageDown), 30);
        view.showFromStart(901);
        QCOMPARE(view.topLine(), 1);
        QCOMPARE(view.lineCount(), 46);
        QCOMPARE(view.navigate(NavigationKey::End), 17);
        view.clear();
        QVERIFY(!view.shown());
        QCOMPARE(view.lineCount(), 0);
    }

    void navigation_data() {
        QTest::addColumn<NavigationKey>("key");
        QTest::addColumn<int>("topLine");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("expected");
        QTest::newRow("End with 45 lines") << NavigationKey::End << 1 << 45 << 16;
        QTest::newRow("End with 30 lines") << NavigationKey::End << 5 << 30 << 1;
        QTest::newRow("End with 31 lines") << NavigationKey::End << 1 << 31 << 2;
        QTest::newRow("PageUp from 29") << NavigationKey::PageUp << 29 << 45 << 1;
        QTest::newRow("PageUp from 30") << NavigationKey::PageUp << 30 << 45 << 1;
        QTest::newRow("PageUp from 31") << NavigationKey::PageUp << 31 << 45 << 2;
        QTest::newRow("PageUp from 1") << NavigationKey::PageUp << 1 << 45 << 1;
        QTest::newRow("PageDown with room") << NavigationKey::PageDown << 1 << 45 << 30;
        QTest::newRow("PageDown exactly fits") << NavigationKey::PageDown << 15 << 45 << 44;
        QTest::newRow("PageDown near the end") << NavigationKey::PageDown << 16 << 45 << 16;
        QTest::newRow("PageDown short capture") << NavigationKey::PageDown << 3 << 20 << 1;
        QTest::newRow("PageDown 30 lines") << NavigationKey::PageDown << 1 << 30 << 1;
        QTest::newRow("PageDown 31 lines") << NavigationKey::PageDown << 1 << 31 << 30;
        QTest::newRow("PageDown 31 lines from 2") << NavigationKey::PageDown << 2 << 31 << 2;
        QTest::newRow("Home") << NavigationKey::Home << 40 << 45 << 1;
        QTest::newRow("Up") << NavigationKey::Up << 7 << 45 << 6;
        QTest::newRow("Up stops at 1") << NavigationKey::Up << 1 << 45 << 1;
        QTest::newRow("Down") << NavigationKey::Down << 7 << 45 << 8;
        QTest::newRow("Down stops at the last line") << NavigationKey::Down << 45 << 45 << 45;
        QTest::newRow("Down from past the end") << NavigationKey::Down << 46 << 45 << 46;
        QTest::newRow("Up before anything shown") << NavigationKey::Up << 0 << 0 << 0;
    }
    void navigation() {
        QFETCH(NavigationKey, key);
        QFETCH(int, topLine);
        QFETCH(int, lineCount);
        QFETCH(int, expected);
        QCOMPARE(NavigateTopLine(key, topLine, lineCount), expected);
    }

    void byteCells_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<DisplayMode>("mode");
        QTest::addColumn<QString>("cells");
        QTest::newRow("41 hex") << 0x41 << DisplayMode::Hex << "  41";
        QTest::newRow("41 chars") << 0x41 << DisplayMode::Chars << "   A";
        QTest::newRow("7F hex") << 0x7F << DisplayMode::Hex << "  7F";
        QTest::newRow("7F chars") << 0x7F << DisplayMode::Chars << "   .";
        QTest::newRow("1F chars") << 0x1F << DisplayMode::Chars << "   .";
        QTest::newRow("00 hex") << 0x00 << DisplayMode::Hex << "  00";
        QTest::newRow("blank chars") << 0x20 << DisplayMode::Chars << "    ";
        QTest::newRow("tilde chars") << 0x7E << DisplayMode::Chars << "   ~";
        QTest::newRow("80 chars") << 0x80 << DisplayMode::Chars << "   .";
        QTest::newRow("FF hex") << 0xFF << DisplayMode::Hex << "  FF";
    }
    void byteCells() {
        QFETCH(int, byte);
        QFETCH(DisplayMode, mode);
        QFETCH(QString, cells);
        QCOMPARE(CaptureLineText(QByteArray(1, char(byte)), 1, 1, mode), cells);
    }

    // Every byte value keeps to four cells, so the columns stay under their headers, and the
    // hexadecimal cells give the byte back.
    void everyByteTakesFourCells() {
        QByteArray all;
        for (int v = 0; v < 256; ++v) all.append(char(v));
        for (int line = 1; line <= LineCountFor(256); ++line) {
            const QString hex = CaptureLineText(all, 256, line, DisplayMode::Hex);
            const QString chars = CaptureLineText(all, 256, line, DisplayMode::Chars);
            const int bytes = qMin(20, 256 - (line - 1) * 20);
            QCOMPARE(hex.size(), bytes * 4);
            QCOMPARE(chars.size(), bytes * 4);
            for (int j = 0; j < bytes; ++j) {
                const int value = (line - 1) * 20 + j;
                QCOMPARE(hex.mid(j * 4, 2), QStringLiteral("  "));
                QCOMPARE(comm::HexValue(hex.mid(j * 4 + 2, 2)), value);
                const QChar shown = chars.at(j * 4 + 3);
                if (value >= 32 && value <= 126)
                    QCOMPARE(shown.unicode(), ushort(value));
                else
                    QCOMPARE(chars.mid(j * 4, 4), QStringLiteral("   ."));
            }
        }
    }

    void lineTextStopsAtTheCount() {
        QByteArray bytes(60, 'x');
        QCOMPARE(CaptureLineText(bytes, 25, 1, DisplayMode::Chars).size(), 80);
        QCOMPARE(CaptureLineText(bytes, 25, 2, DisplayMode::Chars).size(), 20);
        QVERIFY(CaptureLineText(bytes, 25, 3, DisplayMode::Chars).isEmpty());
        QVERIFY(CaptureLineText(bytes, 25, 0, DisplayMode::Hex).isEmpty());
        // A count beyond the bytes held never reads past them.
        QCOMPARE(CaptureLineText(bytes, 1000, 3, DisplayMode::Hex).size(), 80);
        QVERIFY(CaptureLineText(bytes, 1000, 4, DisplayMode::Hex).isEmpty());
    }

    void listingGivesEveryByteBackUnderItsLineNumber_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("one line") << 20;
        QTest::newRow("partial last line") << 45;
        QTest::newRow("all byte values") << 256;
    }
    void listingGivesEveryByteBackUnderItsLineNumber() {
        QFETCH(int, count);
        QByteArray bytes;
        for (int i = 0; i < count; ++i) bytes.append(char((i * 37 + 11) % 256));
        const QStringList lines = CaptureListing(bytes, DisplayMode::Hex).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), LineCountFor(count) + 1);  // each line ends in a line break
        QVERIFY(lines.last().isEmpty());
        QByteArray back;
        for (int i = 0; i + 1 < lines.size(); ++i) {
            QCOMPARE(lines[i].left(5), QStringLiteral("%1 ").arg(i + 1, 4, 10, QLatin1Char('0')));
            const QString cells = lines[i].mid(5);
            QCOMPARE(cells.size() % 4, 0);
            for (int c = 0; c < cells.size(); c += 4)
                back.append(char(comm::HexValue(cells.mid(c + 2, 2))));
        }
        QCOMPARE(back, bytes);
        const QString chars = CaptureListing(bytes, DisplayMode::Chars);
        QCOMPARE(chars.count(QLatin1Char('\n')), LineCountFor(count));
    }

    void columnHeaders() {
        const QString header = ColumnHeaderText();
        QCOMPARE(header.size(), 20 * 4 + 2);
        QVERIFY(header.startsWith(QStringLiteral("  01  02  03")));
        QVERIFY(header.endsWith(QStringLiteral("  19  20  ")));
        // Each header number sits over the last two cells of its byte column.
        QByteArray twenty;
        for (int i = 1; i <= 20; ++i) twenty.append(char(i));
        const QString line = CaptureLineText(twenty, 20, 1, DisplayMode::Hex);
        for (int j = 0; j < 20; ++j)
            QCOMPARE(header.mid(j * 4 + 2, 2).toInt(nullptr, 10),
                     line.mid(j * 4 + 2, 2).toInt(nullptr, 16));
    }

    void lineNumbers_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << "0001 ";
        QTest::newRow("45") << 45 << "0045 ";
        QTest::newRow("1639") << 1639 << "1639 ";
        QTest::newRow("five digits") << 12345 << "12345 ";
    }
    void lineNumbers() {
        QFETCH(int, line);
        QFETCH(QString, text);
        QCOMPARE(LineNumberText(line), text);
    }

    void stateTexts() {
        QCOMPARE(PortStateText(PortNumeral(1), false, QStringLiteral("9600,奇,8,1")),
                 QStringLiteral("串口一未打开\n9600,奇,8,1"));
        QCOMPARE(PortStateText(PortNumeral(4), true, QStringLiteral("19200,缺省,7,2")),
                 QStringLiteral("串口四已打开\n19200,缺省,7,2"));
        QCOMPARE(PortStateText(PortNumeral(0), false, QString()), QStringLiteral("串口未打开\n"));
        QCOMPARE(MonitorStateText(false, 0), QStringLiteral("初始状态\n共收到 : 0个"));
        QCOMPARE(MonitorStateText(true, 32767), QStringLiteral("监听状态\n共收到 : 32767个"));
        QCOMPARE(PortNumeral(2), QStringLiteral("二"));
        QCOMPARE(PortNumeral(3), QStringLiteral("三"));
        QVERIFY(PortNumeral(5).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestMonitorLayout)
#include "test_monitorlayout.moc"
