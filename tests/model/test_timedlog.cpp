#include <QtTest>

#include "timedlog.h"

using namespace comm;

// The text log: its lines, its header, and the bound on what it keeps.
class TimedLogTest : public QObject {
    Q_OBJECT
private slots:
    void keepsTheLatestAndSaysHowManyWent() {
        TimedLog log(2);
        log.restart(QDateTime(QDate(2024, 5, 1), QTime(10, 20, 30, 123)));
        log.append(5, LogDirection::Sent, "A");
        log.append(7, LogDirection::Received, QByteArray::fromHex("00FF"));
        log.append(86400001, LogDirection::Sent, QByteArray::fromHex("0D"));
        QCOMPARE(QString::fromUtf8(LogFileText(log, QStringLiteral("监听活动串口 9600,奇,8,1"))),
                 QStringLiteral("# 监听活动串口 9600,奇,8,1\n"
                                "# 开始于 2024-05-01 10:20:30.123\n"
                                "# 较早的 1 条记录超出保留上限，未保存\n"
                                "# 时间(秒) 方向 字节(十六进制)\n"
                                "     0.007 RX 00 FF\n"
                                " 86400.001 TX 0D\n"));
        // A title of two lines, as a run whose frames name their checksums gives.
        QVERIFY(QString::fromUtf8(LogFileText(log, QStringLiteral("通讯执行窗口\n校验: 发送 异或")))
                    .startsWith(QStringLiteral("# 通讯执行窗口\n# 校验: 发送 异或\n# 开始于")));
    }

    // A record costs what it holds: bytes cut from a large read buffer do not keep the buffer.
    void aRecordOwnsOnlyItsBytes() {
        QByteArray block;
        block.reserve(32 * 1024);
        block.append("\x01\x02\x03", 3);
        TimedLog log;
        log.append(1, LogDirection::Received, block);
        QCOMPARE(log.records().constLast().bytes, QByteArray("\x01\x02\x03", 3));
        QVERIFY2(log.records().constLast().bytes.capacity() < 100,
                 qPrintable(QString::number(log.records().constLast().bytes.capacity())));
    }
};

QTEST_APPLESS_MAIN(TimedLogTest)
#include "test_timedlog.moc"
