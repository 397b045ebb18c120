#include <QtTest>

#include "transferframe.h"

using namespace comm::transfer;

namespace {
QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) out += char(v);
    return out;
}
}  // namespace

class TransferFrameTest : public QObject {
    Q_OBJECT
private slots:
    void checksum_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<bool>("good");
        QByteArray zeros(16, '\0');
        QTest::newRow("zeros") << zeros << true;
        QByteArray wraps(15, char(0xFF));  // 15 x 255 = 3825 = 0xEF1
        QTest::newRow("sum wraps") << wraps + char(0xF1) << true;
        QTest::newRow("sum wraps, wrong") << wraps + char(0xF0) << false;
        QByteArray ff = QByteArray(14, '\0') + char(0x01) + char(0x01);
        QTest::newRow("last payload byte counts") << ff << true;
        QTest::newRow("15 bytes") << zeros.left(15) << false;
        QTest::newRow("17 bytes") << zeros + '\0' << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void checksum() {
        QFETCH(QByteArray, frame);
        QFETCH(bool, good);
        QCOMPARE(FrameIsGood(frame), good);
    }

    void everySingleByteChangeIsCaught() {
        const QByteArray frame = DataFrame("sixteen bytes..");
        QVERIFY(FrameIsGood(frame));
        for (int i = 0; i < kFrameSize; ++i) {
            for (int bit = 0; bit < 8; ++bit) {
                QByteArray spoiled = frame;
                spoiled[i] = char(quint8(spoiled[i]) ^ (1 << bit));
                QVERIFY2(!FrameIsGood(spoiled),
                         qPrintable(QStringLiteral("%1/%2").arg(i).arg(bit)));
            }
        }
    }

    void transferName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("short, padded") << "report.txt"
                                       << "report.txt  ";
        QTest::newRow("long with dot") << "verylongname.dat"
                                       << "verylong.dat";
        QTest::newRow("long without dot") << "averylongfilename"
                                          << "averylongfil";
        QTest::newRow("long, short extension") << "abcdefghijklm.c"
                                               << "abcdefgh.c  ";
        QTest::newRow("exactly 12") << "abcdefgh.txt"
                                    << "abcdefgh.txt";
        QTest::newRow("13, dot cut to 12") << "abcdefgh.text"
                                           << "abcdefgh.tex";
        QTest::newRow("first dot early") << "ab.cdefghijklmn.txt"
                                         << "ab.cdefg.cde";
        QTest::newRow("after last slash") << "/home/u/data/report.txt"
                                          << "report.txt  ";
        QTest::newRow("after last backslash") << "C:\\data\\a.b"
                                              << "a.b         ";
        QTest::newRow("both separators") << "C:\\x/y\\z.bin"
                                         << "z.bin       ";
        QTest::newRow("empty") << ""
                               << "            ";
    }
    void transferName() {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(TransferName(path), name);
    }

    void sendableNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("sendable");
        QTest::newRow("ascii") << "a b~!{}.txt " << true;
        QTest::newRow("chinese") << "报告.txt    " << false;
        QTest::newRow("latin-1") << "caf\u00e9.txt    " << false;
        QTest::newRow("tab") << "a\tb.txt     " << false;
        QTest::newRow("delete") << "a\x7f"
                                   "b.txt     "
                                << false;
    }
    void sendableNames() {
        QFETCH(QString, name);
        QFETCH(bool, sendable);
        QCOMPARE(TransferNameIsSendable(name), sendable);
    }

    void header_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QByteArray>("sizeBytes");
        QTest::newRow("0") << qint64(0) << bytes({0, 0, 0});
        QTest::newRow("40") << qint64(40) << bytes({0x00, 0x00, 0x28});
        QTest::newRow("65536") << qint64(65536) << bytes({0x01, 0x00, 0x00});
        QTest::newRow("70000") << qint64(70000) << bytes({0x01, 0x11, 0x70});
        QTest::newRow("largest") << kMaxFileSize << bytes({0xFF, 0xFF, 0xFF});
    }
    void header() {
        QFETCH(qint64, size);
        QFETCH(QByteArray, sizeBytes);
        const QByteArray frame = HeaderFrame(QStringLiteral("report.txt  "), size);
        QCOMPARE(frame.size(), kFrameSize);
        QVERIFY(FrameIsGood(frame));
        QCOMPARE(frame.left(12), QByteArray("report.txt  "));
        QCOMPARE(frame.mid(12, 3), sizeBytes);
        QCOMPARE(HeaderNameBytes(frame), QByteArray("report.txt  "));
        QCOMPARE(HeaderSize(frame), size);
    }

    void slicing_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QList<int>>("payloads");
        QTest::newRow("empty") << qint64(0) << QList<int>{};
        QTest::newRow("1") << qint64(1) << QList<int>{1};
        QTest::newRow("15") << qint64(15) << QList<int>{15};
        QTest::newRow("16") << qint64(16) << QList<int>{15, 1};
        QTest::newRow("40") << qint64(40) << QList<int>{15, 15, 10};
        QTest::newRow("45") << qint64(45) << QList<int>{15, 15, 15};
    }
    void slicing() {
        QFETCH(qint64, size);
        QFETCH(QList<int>, payloads);
        QCOMPARE(DataFrameCount(size), payloads.size());
        qint64 covered = 0;
        for (int j = 1; j <= payloads.size(); ++j) {
            QCOMPARE(DataFrameOffset(j), covered);
            QCOMPARE(DataFramePayload(size, j), payloads[j - 1]);
            covered += payloads[j - 1];
        }
        QCOMPARE(covered, size);
    }

    void largestFileFrameCount() {
        QCOMPARE(DataFrameCount(kMaxFileSize), 1118481);
        QCOMPARE(DataFramePayload(kMaxFileSize, 1118481), 15);
        QCOMPARE(DataFrameCount(kMaxFileSize - 1), 1118481);
        QCOMPARE(DataFramePayload(kMaxFileSize - 1, 1118481), 14);
    }

    void shortDataFrameHasZeroFiller() {
        const QByteArray frame = DataFrame("0123456789");
        QCOMPARE(frame.left(10), QByteArray("0123456789"));
        QCOMPARE(frame.mid(10, 5), QByteArray(5, '\0'));
        QVERIFY(FrameIsGood(frame));
    }

    void nameFromWire() {
        QCOMPARE(NameFromWire("report.txt  "), QStringLiteral("report.txt  "));
        QCOMPARE(NameFromWire(bytes({'a', 0x07, 0xE9, 'b'})), QStringLiteral("a\uFFFD\u00e9b"));
    }

    // Names from the wire that must never reach a path outside the receive folder or one of the
    // program's own files.
    void hostileNames_data() {
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<QString>("safe");
        QTest::newRow("plain") << QByteArray("report.txt  ") << "report.txt";
        QTest::newRow("zero padded") << QByteArray("a.txt\0\0\0\0\0\0\0", 12) << "a.txt";
        QTest::newRow("parent") << QByteArray("..          ") << "unnamed";
        QTest::newRow("dot") << QByteArray(".           ") << "unnamed";
        QTest::newRow("up and over") << QByteArray("../../.bashr") << "___.._.bashr";
        QTest::newRow("absolute") << QByteArray("/etc/passwd ") << "_etc_passwd";
        QTest::newRow("backslash") << QByteArray("..\\..\\win.in") << "___.._win.in";
        QTest::newRow("drive") << QByteArray("C:x.bat     ") << "C_x.bat";
        QTest::newRow("hidden") << QByteArray(".profile    ") << "_profile";
        QTest::newRow("blanks") << QByteArray("            ") << "unnamed";
        QTest::newRow("zeros") << QByteArray(12, '\0') << "unnamed";
        QTest::newRow("dots and blanks") << QByteArray(" . . .      ") << "unnamed";
        QTest::newRow("control") << QByteArray(
                                        "a\nb\x1b"
                                        "c.txt   ")
                                 << "a_b_c.txt";
        QTest::newRow("high bytes")
            << bytes({0xB1, 0xA8, 0xB8, 0xE6, '.', 't', 'x', 't', ' ', ' ', ' ', ' '})
            << "____.txt";
        QTest::newRow("wildcards") << QByteArray("*?<>|\"a.txt ") << "______a.txt";
        QTest::newRow("trailing dot") << QByteArray("Comm.       ") << "received_Comm";
        QTest::newRow("the program") << QByteArray("Comm        ") << "received_Comm";
        QTest::newRow("the program, windows") << QByteArray("COMM.EXE    ") << "received_COMM.EXE";
        QTest::newRow("help file") << QByteArray("Comm.hlp    ") << "received_Comm.hlp";
        QTest::newRow("cli") << QByteArray("comm-cli    ") << "received_comm-cli";
        QTest::newRow("holdpane") << QByteArray("Holdpane.exe") << "received_Holdpane.exe";
        QTest::newRow("simulator") << QByteArray("rs232sim    ") << "received_rs232sim";
        QTest::newRow("library") << QByteArray("Qt6Core.dll ") << "received_Qt6Core.dll";
        QTest::newRow("shared object") << QByteArray("libQt6Core.s") << "libQt6Core.s";
        QTest::newRow("shared object 2") << QByteArray("libx.so.6   ") << "received_libx.so.6";
        QTest::newRow("qt.conf") << QByteArray("qt.conf     ") << "received_qt.conf";
        QTest::newRow("device") << QByteArray("CON.txt     ") << "received_CON.txt";
        QTest::newRow("port device") << QByteArray("com1        ") << "received_com1";
        QTest::newRow("alike but free") << QByteArray("Commands.txt") << "Commands.txt";
        QTest::newRow("alike but free 2") << QByteArray("my-Comm     ") << "my-Comm";
    }
    void hostileNames() {
        QFETCH(QByteArray, wire);
        QFETCH(QString, safe);
        QCOMPARE(wire.size(), 12);
        const QString name = SafeReceivedName(wire);
        QCOMPARE(name, safe);
        QVERIFY(!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')));
        QVERIFY(!name.startsWith(QLatin1Char('.')));
    }
};

QTEST_APPLESS_MAIN(TransferFrameTest)
#include "test_transferframe.moc"
