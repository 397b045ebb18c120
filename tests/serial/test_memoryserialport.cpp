// The scripting side of the in-memory port that engine tests rely on; the port behaviour it shares
// with the real back end is covered by the contract suite.
#include <QtTest>

#include "memorydevice.h"
#include "memoryserialport.h"
#include "serialsettings.h"
#include "virtualclock.h"

using comm::MemorySerialPort;
using comm::SerialPort;

class TestMemorySerialPort : public QObject {
    Q_OBJECT
private slots:
    void injectCountsAtOnceAndSignalsLater() {
        MemorySerialPort port;
        QVERIFY(port.setPortOpen(true));
        QSignalSpy ready(&port, &SerialPort::readyRead);
        port.inject("abc");
        port.inject("de");
        QCOMPARE(port.inBufferCount(), 5);
        QCOMPARE(ready.count(), 0);
        QVERIFY(ready.wait(2000));
        QCOMPARE(ready.count(), 1);  // both arrivals in one emission
        QCOMPARE(port.input(), QByteArray("abcde"));
    }

    void pacedBytesArriveOneByOne() {
        comm::VirtualClock clock;
        MemorySerialPort port;
        MemoryDevice device(port, clock);
        QVERIFY(port.setPortOpen(true));
        QSignalSpy ready(&port, &SerialPort::readyRead);
        device.sendPaced("xyz", 20);
        QCOMPARE(port.inBufferCount(), 1);
        clock.advance(19);
        QCOMPARE(port.inBufferCount(), 1);
        QCOMPARE(ready.count(), 1);
        clock.advance(1);
        QCOMPARE(port.inBufferCount(), 2);
        clock.advance(20);
        QCOMPARE(ready.count(), 3);
        QCOMPARE(port.input(), QByteArray("xyz"));
    }

    // Each write is answered after the delay with what the device makes of it and its index.
    void deviceAnswersEachWrite() {
        comm::VirtualClock clock;
        MemorySerialPort port;
        MemoryDevice device(port, clock);
        QVERIFY(port.setPortOpen(true));
        device.answer(
            [](int index, const QByteArray& written) {
                return index == 1 ? QByteArray() : written + QByteArray::number(index);
            },
            5);
        QVERIFY(port.output("a"));
        QVERIFY(port.output("b"));
        clock.advance(4);
        QCOMPARE(port.inBufferCount(), 0);
        device.setAnswerDelay(10);
        QVERIFY(port.output("c"));
        clock.advance(1);
        QCOMPARE(port.input(), QByteArray("a0"));
        clock.advance(9);
        QCOMPARE(port.input(), QByteArray("c2"));
    }

    // A device's bytes go through the UART model at the settings the port was opened with.
    void deviceBytesArriveAsAUartAtThePortsSettingsTakesThem_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("portSettings");
        QTest::addColumn<QByteArray>("arrived");
        QTest::addColumn<QList<int>>("events");
        QTest::newRow("same settings") << "9600,O,7,1" << QByteArray("AB\r") << "9600,O,7,1"
                                       << QByteArray("AB\r") << QList<int>();
        QTest::newRow("other parity") << "9600,O,7,1" << QByteArray("AB\r") << "9600,E,7,1"
                                      << QByteArray() << QList<int>{SerialPort::ErRxParity};
        QTest::newRow("a slow zero at a fast port")
            << "9600,N,8,1" << QByteArray(1, '\0') << "115200,N,8,1" << QByteArray(1, '\0')
            << QList<int>{SerialPort::ErBreak};
    }
    void deviceBytesArriveAsAUartAtThePortsSettingsTakesThem() {
        QFETCH(QString, device);
        QFETCH(QByteArray, sent);
        QFETCH(QString, portSettings);
        QFETCH(QByteArray, arrived);
        QFETCH(QList<int>, events);
        MemorySerialPort port;
        port.setSettings(portSettings);
        QVERIFY(port.setPortOpen(true));
        QSignalSpy notified(&port, &SerialPort::commNotified);
        comm::LineSettings deviceSettings;
        QString error;
        QVERIFY(comm::LineSettings::parse(device, &deviceSettings, &error));
        port.injectFromDevice(deviceSettings, sent);
        QCOMPARE(port.input(), arrived);
        QTest::qWait(20);
        QList<int> codes;
        for (const QList<QVariant>& args : notified) codes << args[0].toInt();
        QCOMPARE(codes, events);
    }

    void eventsCarryTheirCodeInOrder() {
        MemorySerialPort port;
        QList<int> seen;
        connect(&port, &SerialPort::commNotified, this, [&](int code) {
            QCOMPARE(port.commEvent(), code);
            seen.append(code);
        });
        port.injectEvent(SerialPort::ErFrame);
        port.injectEvent(SerialPort::EvCts);
        QVERIFY(seen.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(seen.size(), 2, 2000);
        QCOMPARE(seen, (QList<int>{1004, 3}));
    }

    // A line set while closed shows at the open with counts from 0; a change comes as the state
    // first, then the events a line watcher would raise; a close forgets it.
    void lineStateFollowsTheOpenAndComesBeforeItsEvents() {
        MemorySerialPort port;
        QStringList seen;
        connect(&port, &SerialPort::lineStateChanged, this, [&](const comm::LineState& s) {
            seen << QStringLiteral("open=%1 cts=%2 dsr=%3 framing=%4")
                        .arg(s.open)
                        .arg(s.cts)
                        .arg(s.dsr)
                        .arg(s.framing);
        });
        connect(&port, &SerialPort::commNotified, this,
                [&](int code) { seen << QString::number(code); });
        comm::LineState device;
        device.linesKnown = device.errorsKnown = device.dsr = true;
        device.framing = 7;  // counted before the open: not the port's
        port.injectLineState(device);
        QVERIFY(port.setPortOpen(true));
        QCOMPARE(port.lineState().framing, 0u);
        device.cts = true;
        device.framing = 2;
        port.injectLineState(device);
        QTRY_COMPARE(seen.size(), 3);
        QVERIFY(port.setPortOpen(false));
        QTRY_COMPARE(seen.size(), 4);
        QCOMPARE(seen, (QStringList{"open=1 cts=1 dsr=1 framing=2", "1004", "3",
                                    "open=0 cts=0 dsr=0 framing=0"}));
    }

    void eventRaisedDuringAHandlerWaitsForIt() {
        MemorySerialPort port;
        QList<int> seen;
        bool inside = false;
        bool nested = false;
        connect(&port, &SerialPort::commNotified, this, [&](int code) {
            nested = nested || inside;
            inside = true;
            seen.append(code);
            if (code == 1) {
                // A handler that shows a modal box runs the event loop inside the notification.
                port.injectEvent(2);
                QEventLoop loop;
                QTimer::singleShot(50, &loop, &QEventLoop::quit);
                loop.exec();
                QCOMPARE(port.commEvent(), 1);
            }
            inside = false;
        });
        port.injectEvent(1);
        QTRY_COMPARE_WITH_TIMEOUT(seen.size(), 2, 2000);
        QVERIFY(!nested);
        QCOMPARE(seen, (QList<int>{1, 2}));
    }

    void handlerMayDeleteThePort() {
        auto* port = new MemorySerialPort;
        QPointer<MemorySerialPort> alive(port);
        connect(port, &SerialPort::commNotified, this, [port](int) { delete port; });
        port->injectEvent(1001);
        port->injectEvent(1004);
        QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), 2000);
    }

    void failNextOpenFailsOnce() {
        MemorySerialPort port;
        port.failNextOpen(QStringLiteral("no such device"));
        QVERIFY(!port.setPortOpen(true));
        QCOMPARE(port.failure().code, SerialPort::kOpenFailure);
        QCOMPARE(port.failure().reason, QStringLiteral("no such device"));
        QCOMPARE(port.openCount(), 0);
        QVERIFY(port.setPortOpen(true));
        QCOMPARE(port.openCount(), 1);
    }

    void vanishedDeviceStaysAwayUntilReattached() {
        MemorySerialPort port;
        QVERIFY(port.setPortOpen(true));
        QSignalSpy lost(&port, &SerialPort::deviceLost);
        port.vanish(QStringLiteral("unplugged"));
        port.vanish(QStringLiteral("again"));
        QVERIFY(!port.portOpen());
        QVERIFY(lost.wait(2000));
        QTest::qWait(50);
        QCOMPARE(lost.count(), 1);
        QCOMPARE(lost.at(0).at(0).toString(), QStringLiteral("unplugged"));
        port.inject("lost on the way");
        QVERIFY(!port.setPortOpen(true));
        QCOMPARE(port.failure().code, SerialPort::kOpenFailure);
        QCOMPARE(port.failure().reason, QStringLiteral("unplugged"));
        port.reattach();
        QVERIFY(port.setPortOpen(true));
        QCOMPARE(port.inBufferCount(), 0);
    }

    void writesAreRecordedAndAnnounced() {
        MemorySerialPort port;
        QVERIFY(!port.output("x"));
        QCOMPARE(port.failure().code, SerialPort::kNotOpen);
        QVERIFY(port.setPortOpen(true));
        // A device that answers each write with its length.
        connect(&port, &MemorySerialPort::bytesWritten, this, [&port](const QByteArray& bytes) {
            port.inject(QByteArray(1, char(bytes.size())));
        });
        QVERIFY(port.output("abc"));
        QVERIFY(port.output("de"));
        QCOMPARE(port.written(), QByteArray("abcde"));
        QCOMPARE(port.input(), QByteArray("\x03\x02"));
        port.clearWritten();
        QVERIFY(port.written().isEmpty());
        port.failNextOutput(QStringLiteral("refused"));
        QVERIFY(!port.output("f"));
        QCOMPARE(port.failure().code, SerialPort::kDeviceFailure);
        QVERIFY(port.written().isEmpty());
        QVERIFY(port.output("g"));
    }
};

QTEST_GUILESS_MAIN(TestMemorySerialPort)
#include "test_memoryserialport.moc"
