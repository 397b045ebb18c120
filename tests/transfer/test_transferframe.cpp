#include <QtTest>

#include "transferframe.h"

using namespace comm::transfer;

class TransferFrameTest : public QObject {
    Q_OBJECT
private slots:
    void checksum_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<bool>("good");
        const QByteArray wraps(15, char(0xFF));  // 15 x 255 = 0xEF1
        QTest::newRow("zeros") << QByteArray(16, '\0') << true;
        QTest::newRow("sum wraps") << wraps + char(0xF1) << true;
        QTest::newRow("15 bytes") << QByteArray(15, '\0') << false;
    }
    void checksum() {
        QFETCH(QByteArray, frame);
        QFETCH(bool, good);
        QCOMPARE(FrameIsGood(frame), good);
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
        QTest::newRow("first dot early") << "ab.cdefghijklmn.txt"
                                         << "ab.cdefg.cde";
        QTest::newRow("after last slash") << "/home/u/report.txt"
                                          << "report.txt  ";
        QTest::newRow("after last backslash") << "C:\\x/y\\z.bin"
                                              << "z.bin       ";
    }
    void transferName() {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(TransferName(path), name);
    }

    void sendableNames() {
        QVERIFY(TransferNameIsSendable(QStringLiteral("a b~!{}.txt ")));
        QVERIFY(!TransferNameIsSendable(QStringLiteral("报告.txt    ")));
        QVERIFY(!TransferNameIsSendable(QStringLiteral("caf\u00e9.txt    ")));
        QVERIFY(!TransferNameIsSendable(QStringLiteral("a\tb.txt     ")));
    }

    void header_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QByteArray>("sizeBytes");
        QTest::newRow("0") << qint64(0) << QByteArray::fromHex("000000");
        QTest::newRow("40") << qint64(40) << QByteArray::fromHex("000028");
        QTest::newRow("largest") << kMaxFileSize << QByteArray::fromHex("ffffff");
    }
    void header() {
        QFETCH(qint64, size);
        QFETCH(QByteArray, sizeBytes);
        const QByteArray frame = HeaderFrame(QStringLiteral("report.txt  "), size);
        QVERIFY(FrameIsGood(frame));
        QCOMPARE(HeaderNameBytes(frame), QByteArray("report.txt  "));
        QCOMPARE(frame.mid(12, 3), sizeBytes);
        QCOMPARE(HeaderSize(frame), size);
    }

    void slicing_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QList<int>>("payloads");
        QTest::newRow("empty") << qint64(0) << QList<int>{};
        QTest::newRow("15") << qint64(15) << QList<int>{15};
        QTest::newRow("16") << qint64(16) << QList<int>{15, 1};
        QTest::newRow("40") << qint64(40) << QList<int>{15, 15, 10};
    }
    void slicing() {
        QFETCH(qint64, size);
        QFETCH(QList<int>, payloads);
        QCOMPARE(DataFrameCount(size), payloads.size());
        for (int j = 1; j <= payloads.size(); ++j) {
            QCOMPARE(DataFrameOffset(j), qint64(15 * (j - 1)));
            QCOMPARE(DataFramePayload(size, j), payloads[j - 1]);
        }
        QCOMPARE(DataFrameCount(kMaxFileSize), 1118481);
        const QByteArray last = DataFrame("0123456789");
        QCOMPARE(last.mid(10, 5), QByteArray(5, '\0'));
        QVERIFY(FrameIsGood(last));
    }

    // Names from the wire that must never reach a path outside the receive folder or one of the
    // program's own files.
    void hostileNames_data() {
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<QString>("safe");
        QTest::newRow("plain") << QByteArray("report.txt  ") << "report.txt";
        QTest::newRow("zero padded") << QByteArray("a.txt\0\0\0\0\0\0\0", 12) << "a.txt";
        QTest::newRow("parent") << QByteArray("..          ") << "unnamed";
        QTest::newRow("up and over") << QByteArray("../../.bashr") << "___.._.bashr";
        QTest::newRow("absolute") << QByteArray("/etc/passwd ") << "_etc_passwd";
        QTest::newRow("backslash") << QByteArray("..\\..\\win.in") << "___.._win.in";
        QTest::newRow("hidden") << QByteArray(".profile    ") << "_profile";
        QTest::newRow("blanks") << QByteArray("            ") << "unnamed";
        QTest::newRow("control") << QByteArray(
                                        "a\nb\x1b"
                                        "c.txt   ")
                                 << "a_b_c.txt";
        QTest::newRow("high bytes") << QByteArray("\xb1\xa8\xb8\xe6.txt    ") << "____.txt";
        QTest::newRow("wildcards") << QByteArray("*?<>|\"a.txt ") << "______a.txt";
        QTest::newRow("the program") << QByteArray("Comm        ") << "received_Comm";
        QTest::newRow("trailing dot") << QByteArray("Comm.       ") << "received_Comm";
        QTest::newRow("help file") << QByteArray("Comm.hlp    ") << "received_Comm.hlp";
        QTest::newRow("library") << QByteArray("Qt6Core.dll ") << "received_Qt6Core.dll";
        QTest::newRow("device") << QByteArray("CON.txt     ") << "received_CON.txt";
        QTest::newRow("alike but free") << QByteArray("Commands.txt") << "Commands.txt";
    }
    void hostileNames() {
        QFETCH(QByteArray, wire);
        QFETCH(QString, safe);
        QCOMPARE(wire.size(), 12);
        QCOMPARE(SafeReceivedName(wire), safe);
    }
};

QTEST_APPLESS_MAIN(TransferFrameTest)
#include "test_transferframe.moc"
