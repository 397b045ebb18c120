#include <QTemporaryDir>
#include <QtTest>

#include "daxfile.h"
#include "filebytes.h"
#include "nofreedescriptor.h"
#include "randombytes.h"

using namespace comm;

class TestDaxFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void header_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("low");
        QTest::newRow("empty") << 0 << 0x00 << 0x00;
        QTest::newRow("300") << 300 << 0x01 << 0x2C;
        QTest::newRow("1000") << 1000 << 0x03 << 0xE8;
        QTest::newRow("255") << 255 << 0x00 << 0xFF;
        QTest::newRow("256") << 256 << 0x01 << 0x00;
        QTest::newRow("capture limit") << 32767 << 0x7F << 0xFF;
        QTest::newRow("full buffer") << 32768 << 0x80 << 0x00;
    }
    void header() {
        QFETCH(int, count);
        QFETCH(int, high);
        QFETCH(int, low);
        const QByteArray capture = RandomBytes(count, quint32(count));
        const QByteArray file = EncodeDax(capture);
        QCOMPARE(file.size(), count + 2);
        QCOMPARE(int(quint8(file.at(0))), high);
        QCOMPARE(int(quint8(file.at(1))), low);
        QCOMPARE(file.mid(2), capture);

        const DaxContent back = DecodeDax(file);
        QCOMPARE(back.status, DaxStatus::Ok);
        QCOMPARE(back.declaredCount, count);
        QCOMPARE(back.bytes, capture);
    }

    void tooLongForTheFormat() {
        QVERIFY(EncodeDax(QByteArray(32769, 'a')).isEmpty());
        QString error;
        QVERIFY(
            !WriteDaxFile(path("long.Dax"), QByteArray(32769, 'a'), DaxWriteMode::Replace, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(path("long.Dax")));
    }

    void decodeLimits_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("bytes");
        QByteArray declares32768("\x80\x00", 2);
        declares32768 += QByteArray(32768, '\x5A');
        QByteArray declares32769("\x80\x01", 2);
        declares32769 += QByteArray(32769, '\x5A');
        QTest::newRow("32768 imports fully") << declares32768 << int(DaxStatus::Ok) << 32768;
        QTest::newRow("32769 is refused") << declares32769 << int(DaxStatus::TooLong) << 0;
        QTest::newRow("most a header can say")
            << QByteArray("\xFF\xFF", 2) << int(DaxStatus::TooLong) << 0;
        QTest::newRow("empty file") << QByteArray() << int(DaxStatus::Ok) << 0;
        QTest::newRow("only the high byte") << QByteArray("\x01", 1) << int(DaxStatus::Ok) << 0;
        QTest::newRow("zero count") << QByteArray("\x00\x00", 2) << int(DaxStatus::Ok) << 0;
        QTest::newRow("short file") << QByteArray(
                                           "\x00\x0A"
                                           "abc",
                                           5)
                                    << int(DaxStatus::Ok) << 3;
        QTest::newRow("tail ignored") << QByteArray(
                                             "\x00\x02"
                                             "abcdef",
                                             8)
                                      << int(DaxStatus::Ok) << 2;
    }
    void decodeLimits() {
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(int, bytes);
        const DaxContent content = DecodeDax(file);
        QCOMPARE(int(content.status), status);
        QCOMPARE(content.bytes.size(), bytes);
        QCOMPARE(content.bytes, file.mid(2, bytes));
    }

    void writeAndReadBack_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("0") << 0;
        QTest::newRow("1") << 1;
        QTest::newRow("300") << 300;
        QTest::newRow("32767") << 32767;
        QTest::newRow("32768") << 32768;
    }
    void writeAndReadBack() {
        QFETCH(int, count);
        const QByteArray capture = RandomBytes(count, 7u + quint32(count));
        const QString file = path(QStringLiteral("round%1.Dax").arg(count));
        QVERIFY(WriteDaxFile(file, capture, DaxWriteMode::OverExisting));
        QCOMPARE(QFileInfo(file).size(), qint64(count) + 2);
        const DaxContent back = ReadDaxFile(file);
        QCOMPARE(back.status, DaxStatus::Ok);
        QCOMPARE(back.bytes, capture);
    }

    // Storing over a longer file keeps its tail; reading that file gives only the new bytes.
    void overExistingKeepsTheTail() {
        const QString file = path("over.Dax");
        const QByteArray old = RandomBytes(500, 1);
        QVERIFY(WriteDaxFile(file, old, DaxWriteMode::OverExisting));
        const QByteArray fresh = RandomBytes(100, 2);
        QVERIFY(WriteDaxFile(file, fresh, DaxWriteMode::OverExisting));

        const QByteArray onDisk = ReadWholeFile(file);
        QCOMPARE(onDisk.size(), 502);
        QCOMPARE(onDisk.left(102), EncodeDax(fresh));
        QCOMPARE(onDisk.mid(102), EncodeDax(old).mid(102));
        QCOMPARE(ReadDaxFile(file).bytes, fresh);

        QVERIFY(WriteDaxFile(file, fresh, DaxWriteMode::Replace));
        QCOMPARE(ReadWholeFile(file), EncodeDax(fresh));
    }

    void readFailures() {
        QCOMPARE(ReadDaxFile(path("nothing-here.Dax")).status, DaxStatus::Missing);
        QCOMPARE(ReadDaxFile(QString()).status, DaxStatus::Missing);
        QCOMPARE(ReadDaxFile(dir_.path()).status, DaxStatus::Refused);

        const QString huge = path("huge.Dax");
        QVERIFY(WriteWholeFile(huge, QByteArray("\x80\x01", 2) + QByteArray(40000, 'z')));
        QCOMPARE(ReadDaxFile(huge).status, DaxStatus::TooLong);

        const QString unopenable = path("unopenable.Dax");
        QVERIFY(WriteWholeFile(unopenable, EncodeDax("abc")));
        const NoFreeDescriptor noFile;
        QVERIFY(noFile.ok());
        QCOMPARE(ReadDaxFile(unopenable).status, DaxStatus::Unreadable);
    }

    void writeFailures() {
        QString error;
        QVERIFY(
            !WriteDaxFile(path("no/such/folder/x.Dax"), "abc", DaxWriteMode::OverExisting, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!WriteDaxFile(dir_.path(), "abc", DaxWriteMode::Replace, &error));
    }

    // The reader stops after the counted bytes whatever follows them.
    void readerIgnoresAnyTail() {
        const QString file = path("tail.Dax");
        const QByteArray capture = RandomBytes(1000, 3);
        QVERIFY(WriteWholeFile(file, EncodeDax(capture) + RandomBytes(100000, 4)));
        const DaxContent back = ReadDaxFile(file);
        QCOMPARE(back.status, DaxStatus::Ok);
        QCOMPARE(back.bytes, capture);
    }
};

QTEST_APPLESS_MAIN(TestDaxFile)
#include "test_daxfile.moc"
