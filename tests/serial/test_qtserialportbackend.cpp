// What only the real back end can get wrong: device errors, the default factory, handlers that tear
// the port down from inside its own signals.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QtTest>

#include "devicediscovery.h"
#include "portdirectory.h"
#include "ptyline.h"
#include "qtserialportbackend.h"
#include "randombytes.h"
#include "serialfactory.h"

using comm::SerialPort;

class TestQtSerialPortBackend : public QObject {
    Q_OBJECT
private slots:
    void missingDeviceGivesItsReason() {
        const QString missing = QDir::temp().filePath(QStringLiteral("no-such-serial-device"));
        qputenv("RS232_COM4", missing.toLocal8Bit());
        comm::QtSerialPortBackend port;
        port.setCommPort(4);
        QCOMPARE(port.deviceName(), missing);
        QVERIFY(!port.setPortOpen(true));
        QCOMPARE(port.failure().code, SerialPort::kOpenFailure);
        QVERIFY2(port.failure().reason.contains(missing), qPrintable(port.failure().reason));
        QVERIFY(!port.failure().reason.contains(QLatin1String("Unknown error")));
        QCOMPARE(port.failure().device, missing);
        QCOMPARE(port.failure().problem, SerialPort::Problem::Missing);
    }

    void secondOpenOfOneDeviceIsBusy() {
        PtyLine line;
        QVERIFY(line.ok());
        qputenv("RS232_COM1", line.slavePath().toLocal8Bit());
        comm::SerialPortFactory factory = comm::RealSerialPortFactory();
        std::unique_ptr<SerialPort> first = factory();
        std::unique_ptr<SerialPort> second = factory();
        QVERIFY(first->setPortOpen(true));
        QVERIFY(!second->setPortOpen(true));
        QCOMPARE(second->failure().code, SerialPort::kOpenFailure);
        QCOMPARE(second->failure().problem, SerialPort::Problem::Taken);
        QVERIFY(first->setPortOpen(false));
        QVERIFY(second->setPortOpen(true));
    }

    // An item that stands for no device says so, by its name, and names no device.
    void itemWithoutDeviceSaysSo() {
        comm::ScriptedDeviceDiscovery nothing;
        QTemporaryDir dir;
        comm::PortDirectory directory(&nothing, dir.filePath(QStringLiteral("b.ini")));
        comm::PortDirectory::install(&directory);
        qunsetenv("RS232_COM3");
        comm::QtSerialPortBackend port;
        port.setCommPort(3);
        QVERIFY(!port.setPortOpen(true));
        QCOMPARE(port.failure().code, SerialPort::kOpenFailure);
        QCOMPARE(port.failure().problem, SerialPort::Problem::NoDevice);
        QCOMPARE(port.failure().reason, QStringLiteral("串口三没有对应的设备"));
        comm::PortDirectory::install(nullptr);
    }

    // comm-cli --port PATH: the path is opened whatever the number and the port map say.
    void fixedDeviceOverridesThePortMap() {
        PtyLine line;
        QVERIFY(line.ok());
        qputenv("RS232_COM3", "/nonexistent/serial-device");
        std::unique_ptr<SerialPort> port = comm::FixedDeviceSerialPortFactory(line.slavePath())();
        port->setCommPort(3);
        QCOMPARE(port->deviceName(), line.slavePath());
        QVERIFY2(port->setPortOpen(true), qPrintable(port->failure().reason));
        QVERIFY(port->output("ok"));
        QTRY_COMPARE(line.received(), QByteArray("ok"));
        qunsetenv("RS232_COM3");
    }

    void handlerMayDeleteThePortOnLoss() {
        PtyLine line;
        QVERIFY(line.ok());
        qputenv("RS232_COM1", line.slavePath().toLocal8Bit());
        auto* port = new comm::QtSerialPortBackend;
        QPointer<comm::QtSerialPortBackend> alive(port);
        connect(port, &SerialPort::deviceLost, this, [port] { delete port; });
        QVERIFY(port->setPortOpen(true));
        line.hangUp();
        QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), 5000);
    }

    void handlerMayCloseThePortOnReadyRead() {
        PtyLine line;
        QVERIFY(line.ok());
        qputenv("RS232_COM1", line.slavePath().toLocal8Bit());
        comm::QtSerialPortBackend port;
        QByteArray got;
        connect(&port, &SerialPort::readyRead, this, [&] {
            got += port.input();
            port.setPortOpen(false);
        });
        QVERIFY(port.setPortOpen(true));
        line.send("one");
        QTRY_COMPARE_WITH_TIMEOUT(got, QByteArray("one"), 5000);
        QVERIFY(!port.portOpen());
    }

    void lossWhileWritingReportsOnce() {
        PtyLine line;
        QVERIFY(line.ok());
        qputenv("RS232_COM1", line.slavePath().toLocal8Bit());
        comm::QtSerialPortBackend port;
        QSignalSpy lost(&port, &SerialPort::deviceLost);
        QVERIFY(port.setPortOpen(true));
        QVERIFY(port.output(QByteArray(64 * 1024, 'w')));  // more than the line holds
        line.hangUp();
        QVERIFY(lost.wait(5000));
        // The loss's own cause, not whatever error text a call before it left behind.
        const QString reason = lost.at(0).at(0).toString();
        QVERIFY2(reason == line.slavePath() +
                               QStringLiteral(": 无法再从设备读取（设备已断开或对端已关闭）") ||
                     reason == line.slavePath() +
                                   QStringLiteral(": 无法再向设备写入（设备已断开或对端已关闭）"),
                 qPrintable(reason));
        QTest::qWait(200);
        QCOMPARE(lost.count(), 1);
        QVERIFY(!port.portOpen());
    }

    // Bytes taken from the port own an allocation of their size, not a block of the read buffer,
    // so a frame kept for hours costs what it holds.
    void takenBytesOwnTheirAllocation() {
        PtyLine line;
        QVERIFY(line.ok());
        std::unique_ptr<SerialPort> port = comm::FixedDeviceSerialPortFactory(line.slavePath())();
        QVERIFY(port->setPortOpen(true));
        line.send("abc");
        QTRY_COMPARE_WITH_TIMEOUT(port->inBufferCount(), 3, 5000);
        const QByteArray got = port->input();
        QCOMPARE(got, QByteArray("abc"));
        QVERIFY2(got.capacity() < 256, qPrintable(QString::number(got.capacity())));
    }

    // A far end that sends faster than the reader takes is held back once the read buffer is
    // full, and every byte still arrives in order.
    void floodIsHeldBackAndNothingIsLost() {
        PtyLine line;
        QVERIFY(line.ok());
        std::unique_ptr<SerialPort> port = comm::FixedDeviceSerialPortFactory(line.slavePath())();
        QVERIFY(port->setPortOpen(true));
        port->setInputLen(1000);
        const QByteArray flood = RandomBytes(4 * 1024 * 1024, 7);
        const int master = line.masterFd();
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        qint64 written = 0;
        const auto writeWhatFits = [&] {
            while (written < flood.size()) {
                const ssize_t n =
                    ::write(master, flood.constData() + written, size_t(flood.size() - written));
                if (n <= 0) return;
                written += n;
            }
        };
        // Nothing is read for a while: the port takes its buffer's worth, the line the rest.
        for (int i = 0; i < 50; ++i) {
            writeWhatFits();
            QTest::qWait(10);
        }
        QVERIFY2(written < flood.size(), "the whole flood was taken in without reading");
        QVERIFY(port->inBufferCount() <= 256 * 1024);
        QByteArray got;
        QElapsedTimer waited;
        waited.start();
        while (got.size() < flood.size() && waited.elapsed() < 60000) {
            writeWhatFits();
            const QByteArray chunk = port->input();
            if (chunk.isEmpty()) QTest::qWait(1);
            got += chunk;
            QVERIFY(port->inBufferCount() <= 256 * 1024);
        }
        QCOMPARE(got.size(), flood.size());
        QVERIFY(got == flood);
    }

    void reopenAfterCloseStartsClean() {
        PtyLine line;
        QVERIFY(line.ok());
        qputenv("RS232_COM1", line.slavePath().toLocal8Bit());
        comm::QtSerialPortBackend port;
        port.setSettings(QStringLiteral("57600,O,8,1"));
        for (int round = 0; round < 3; ++round) {
            QVERIFY(port.setPortOpen(true));
            QVERIFY(port.output("r"));
            QTRY_COMPARE_WITH_TIMEOUT(line.received().size(), round + 1, 5000);
            QVERIFY(port.setPortOpen(false));
        }
    }

    // A pseudo-terminal has no low-latency switch: the request says so and changes nothing.
    // Without it the bytes wait for the next pass of the event loop, which never comes here.
    void flushedOutputReachesTheDriverAtOnce() {
        PtyLine line;
        QVERIFY(line.ok());
        std::unique_ptr<SerialPort> port = comm::FixedDeviceSerialPortFactory(line.slavePath())();
        QVERIFY2(port->setPortOpen(true), qPrintable(port->failure().reason));
        QVERIFY(port->output("frame"));
        port->flushOutput();
        char got[16] = {};
        pollfd ready{line.masterFd(), POLLIN, 0};
        QCOMPARE(::poll(&ready, 1, 1000), 1);
        QCOMPARE(QByteArray(got, int(::read(line.masterFd(), got, sizeof got))),
                 QByteArray("frame"));
    }

    void lowLatencyOnAPseudoTerminalIsDeclined() {
        PtyLine line;
        QVERIFY(line.ok());
        qputenv("RS232_COM1", line.slavePath().toLocal8Bit());
        comm::QtSerialPortBackend port;
        QVERIFY(!port.setLowLatency(true));
        QVERIFY(port.setPortOpen(true));
        QVERIFY(!port.setLowLatency(true));
        QVERIFY(port.output("x"));
        QTRY_COMPARE_WITH_TIMEOUT(line.received(), QByteArray("x"), 5000);
        QVERIFY(port.setPortOpen(false));
    }
};

QTEST_GUILESS_MAIN(TestQtSerialPortBackend)
#include "test_qtserialportbackend.moc"
