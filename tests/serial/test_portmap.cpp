#include <QTemporaryDir>
#include <QtTest>

#include "devicediscovery.h"
#include "portdirectory.h"
#include "portmap.h"

// A machine with the four board UARTs: the items stand for them in order unless a variable says
// otherwise.
class TestPortMap : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    comm::ScriptedDeviceDiscovery discovery_;
    std::unique_ptr<comm::PortDirectory> directory_;

private slots:
    void initTestCase() {
        QList<comm::SerialDevice> uarts;
        for (int n = 0; n < 4; ++n) {
            comm::SerialDevice uart;
            uart.path = QStringLiteral("/dev/ttyS%1").arg(n);
            uarts << uart;
        }
        discovery_.setDevices(uarts);
        directory_ = std::make_unique<comm::PortDirectory>(
            &discovery_, dir_.filePath(QStringLiteral("settings.ini")));
        comm::PortDirectory::install(directory_.get());
    }
    void init() {
        for (int port = 1; port <= 4; ++port)
            qunsetenv(qPrintable(QStringLiteral("RS232_COM%1").arg(port)));
    }

    void devices_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("device");
        const QString first = QStringLiteral("/dev/ttyS0"), fourth = QStringLiteral("/dev/ttyS3");
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
