#include <QtTest>

#include "portmap.h"

class TestPortMap : public QObject {
    Q_OBJECT
private slots:
    void init() {
        for (int port = 1; port <= 4; ++port)
            qunsetenv(qPrintable(QStringLiteral("RS232_COM%1").arg(port)));
    }

    void devices_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("device");
#ifdef Q_OS_WIN
        const QString first = QStringLiteral("COM1"), fourth = QStringLiteral("COM4");
#else
        const QString first = QStringLiteral("/dev/ttyS0"), fourth = QStringLiteral("/dev/ttyS3");
#endif
        QTest::newRow("port 1 default") << 1 << QString() << first;
        QTest::newRow("port 4 default") << 4 << QString() << fourth;
        QTest::newRow("USB adapter") << 2 << "/dev/ttyUSB0"
                                     << "/dev/ttyUSB0";
        QTest::newRow("virtual line") << 3 << "/tmp/lines/ttyA"
                                      << "/tmp/lines/ttyA";
        QTest::newRow("empty variable is no override") << 1 << "" << first;
        QTest::newRow("port 0") << 0 << "/dev/x"
                                << "";
        QTest::newRow("port 5") << 5 << "/dev/x"
                                << "";
    }
    void devices() {
        QFETCH(int, port);
        QFETCH(QString, environment);
        QFETCH(QString, device);
        if (!environment.isNull())
            qputenv(qPrintable(QStringLiteral("RS232_COM%1").arg(port)), environment.toLocal8Bit());
        QCOMPARE(comm::PortDevice(port), device);
    }

    void overrideOfOnePortLeavesTheOthers() {
        qputenv("RS232_COM2", "/dev/pts/7");
        QCOMPARE(comm::PortDevice(2), QStringLiteral("/dev/pts/7"));
        QVERIFY(comm::PortDevice(1) != QStringLiteral("/dev/pts/7"));
        QVERIFY(comm::PortDevice(3) != QStringLiteral("/dev/pts/7"));
        qunsetenv("RS232_COM2");
        QVERIFY(comm::PortDevice(2) != QStringLiteral("/dev/pts/7"));  // read afresh
    }
};

QTEST_GUILESS_MAIN(TestPortMap)
#include "test_portmap.moc"
