#include "serialcontract.h"

#include <QtTest>

#include "portmap.h"
#include "serialsettings.h"

using comm::SerialPort;

namespace {
QByteArray AllByteValues() {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i) bytes.append(char(i));
    return bytes;
}
}  // namespace

void SerialContractTest::init() {
    rig_ = makeRig_();
    QVERIFY(rig_);
    QVERIFY(!rig_->port().portOpen());
}

void SerialContractTest::cleanup() {
    rig_.reset();
}

void SerialContractTest::openAndClose() {
    SerialPort& port = rig_->port();
    QVERIFY(port.setPortOpen(true));
    QVERIFY(port.portOpen());
    QVERIFY(port.setPortOpen(true));  // opening an open port changes nothing
    QVERIFY(port.portOpen());
    QVERIFY(port.setPortOpen(false));
    QVERIFY(!port.portOpen());
    QVERIFY(port.setPortOpen(false));
    QVERIFY(port.setPortOpen(true));  // and it opens again
    QVERIFY(port.output("x"));
    QTRY_COMPARE_WITH_TIMEOUT(rig_->farReceived(), QByteArray("x"), 5000);
}

void SerialContractTest::settingsAndPortReadBackAsSet() {
    SerialPort& port = rig_->port();
    port.setSettings(QStringLiteral("19200,E,7,2"));
    QCOMPARE(port.settings(), QStringLiteral("19200,E,7,2"));
    port.setSettings(QStringLiteral("not a setting"));
    QCOMPARE(port.settings(), QStringLiteral("not a setting"));
    port.setCommPort(3);
    QCOMPARE(port.commPort(), 3);
    QCOMPARE(port.deviceName(), comm::PortDevice(3));
}

void SerialContractTest::refusedSettingsFailTheOpen_data() {
    QTest::addColumn<QString>("settings");
    QTest::newRow("4 data bits") << "9600,O,4,1";
    if (!comm::PlatformLineCapabilities().oneAndHalfStopBits)
        QTest::newRow("1.5 stop bits") << "9600,N,8,1.5";
    QTest::newRow("parity letter") << "9600,X,8,1";
    QTest::newRow("zero baud") << "0,N,8,1";
    QTest::newRow("three fields") << "9600,N,8";
    QTest::newRow("empty") << "";
}

void SerialContractTest::refusedSettingsFailTheOpen() {
    QFETCH(QString, settings);
    SerialPort& port = rig_->port();
    port.setSettings(settings);
    QVERIFY(!port.setPortOpen(true));
    QVERIFY(!port.portOpen());
    QCOMPARE(port.failure().code, SerialPort::kOpenFailure);
    QVERIFY(!port.failure().reason.isEmpty());
    port.setSettings(QStringLiteral("9600,N,8,1"));
    QVERIFY(port.setPortOpen(true));
}

void SerialContractTest::portNumberOutOfRangeFailsTheOpen_data() {
    QTest::addColumn<int>("number");
    QTest::newRow("0") << 0;
    QTest::newRow("5") << 5;
    QTest::newRow("-1") << -1;
}

void SerialContractTest::portNumberOutOfRangeFailsTheOpen() {
    QFETCH(int, number);
    SerialPort& port = rig_->port();
    port.setCommPort(number);
    QVERIFY(!port.setPortOpen(true));
    QCOMPARE(port.failure().code, SerialPort::kOpenFailure);
    QVERIFY(port.failure().reason.contains(QString::number(number)));
}

void SerialContractTest::busyDeviceFailsTheOpenUntilFreed() {
    SerialPort& port = rig_->port();
    rig_->occupy(true);
    QVERIFY(!port.setPortOpen(true));
    QVERIFY(!port.portOpen());
    QCOMPARE(port.failure().code, SerialPort::kOpenFailure);
    QVERIFY(!port.failure().reason.isEmpty());
    rig_->occupy(false);
    QVERIFY(port.setPortOpen(true));
}

void SerialContractTest::everyByteValueBothWays() {
    SerialPort& port = rig_->port();
    QVERIFY(port.setPortOpen(true));
    const QByteArray all = AllByteValues();
    QVERIFY(port.output(all.left(100)));
    QVERIFY(port.output(all.mid(100)));
    QTRY_COMPARE_WITH_TIMEOUT(rig_->farReceived().size(), all.size(), 5000);
    QCOMPARE(rig_->farReceived(), all);

    rig_->farSend(all);
    QTRY_COMPARE_WITH_TIMEOUT(port.inBufferCount(), int(all.size()), 5000);
    QCOMPARE(port.input(), all);
    QCOMPARE(port.inBufferCount(), 0);
    QVERIFY(port.input().isEmpty());
}

void SerialContractTest::bytesWrittenJustBeforeACloseStillGoOut() {
    SerialPort& port = rig_->port();
    QVERIFY(port.setPortOpen(true));
    const QByteArray frame = AllByteValues().repeated(4);
    QVERIFY(port.output(frame));
    QVERIFY(port.setPortOpen(false));  // before the event loop had a chance to send anything
    QTRY_COMPARE_WITH_TIMEOUT(rig_->farReceived().size(), frame.size(), 5000);
    QCOMPARE(rig_->farReceived(), frame);
}

void SerialContractTest::inputLenLimitsARead_data() {
    QTest::addColumn<int>("inputLen");
    QTest::addColumn<QList<int>>("reads");
    QTest::newRow("1") << 1 << QList<int>{1, 1, 1};
    QTest::newRow("16") << 16 << QList<int>{16, 16, 8};
    QTest::newRow("computed 7") << 7 << QList<int>{7, 7, 7, 7, 7, 5};
    QTest::newRow("0 takes all") << 0 << QList<int>{40, 0};
    QTest::newRow("more than waiting") << 100 << QList<int>{40, 0};
}

void SerialContractTest::inputLenLimitsARead() {
    QFETCH(int, inputLen);
    QFETCH(QList<int>, reads);
    SerialPort& port = rig_->port();
    QVERIFY(port.setPortOpen(true));
    port.setInputLen(inputLen);
    QCOMPARE(port.inputLen(), inputLen);
    QByteArray sent;
    for (int i = 0; i < 40; ++i) sent.append(char('A' + i));
    rig_->farSend(sent);
    QTRY_COMPARE_WITH_TIMEOUT(port.inBufferCount(), 40, 5000);
    QByteArray taken;
    for (int expected : reads) {
        const QByteArray chunk = port.input();
        QCOMPARE(int(chunk.size()), expected);
        taken += chunk;
        QCOMPARE(port.inBufferCount(), 40 - int(taken.size()));
    }
    QCOMPARE(taken, sent.left(taken.size()));
}

void SerialContractTest::closedPortAcceptsInputLenAndDiscard() {
    SerialPort& port = rig_->port();
    port.setInputLen(3);
    QCOMPARE(port.inputLen(), 3);
    port.clearInput();
    QCOMPARE(port.inBufferCount(), 0);
    QVERIFY(port.input().isEmpty());
    QVERIFY(!port.output("x"));
    QCOMPARE(port.failure().code, SerialPort::kNotOpen);

    QVERIFY(port.setPortOpen(true));
    rig_->farSend("abcdef");
    QTRY_COMPARE_WITH_TIMEOUT(port.inBufferCount(), 6, 5000);
    QCOMPARE(port.input(), QByteArray("abc"));  // the length set while closed holds
}

void SerialContractTest::discardWhileClosedHoldsAfterOpen() {
    SerialPort& port = rig_->port();
    QVERIFY(port.setPortOpen(true));
    rig_->farSend("stale");
    QTRY_COMPARE_WITH_TIMEOUT(port.inBufferCount(), 5, 5000);
    QVERIFY(port.setPortOpen(false));
    rig_->farSend("sent while closed");
    port.clearInput();
    QVERIFY(port.setPortOpen(true));
    QCOMPARE(port.inBufferCount(), 0);
    // Anything still on its way would show up while the event loop runs.
    QTest::qWait(200);
    QCOMPARE(port.inBufferCount(), 0);
    rig_->farSend("fresh");
    QTRY_COMPARE_WITH_TIMEOUT(port.inBufferCount(), 5, 5000);
    QCOMPARE(port.input(), QByteArray("fresh"));
}

void SerialContractTest::discardWhileOpenDropsWaitingBytes() {
    SerialPort& port = rig_->port();
    QVERIFY(port.setPortOpen(true));
    rig_->farSend("old answer");
    QTRY_COMPARE_WITH_TIMEOUT(port.inBufferCount(), 10, 5000);
    port.clearInput();
    QCOMPARE(port.inBufferCount(), 0);
    QVERIFY(port.input().isEmpty());
    rig_->farSend("new");
    QTRY_COMPARE_WITH_TIMEOUT(port.inBufferCount(), 3, 5000);
    QCOMPARE(port.input(), QByteArray("new"));
}

void SerialContractTest::readyReadComesFromTheEventLoop() {
    SerialPort& port = rig_->port();
    QVERIFY(port.setPortOpen(true));
    QSignalSpy ready(&port, &SerialPort::readyRead);
    rig_->farSend("ping");
    QCOMPARE(ready.count(), 0);
    QVERIFY(ready.wait(5000));
    QTRY_COMPARE_WITH_TIMEOUT(port.inBufferCount(), 4, 5000);
    QCOMPARE(port.input(), QByteArray("ping"));
    // Nothing waiting, nothing announced.
    const int seen = int(ready.count());
    QTest::qWait(100);
    QCOMPARE(int(ready.count()), seen);
}

void SerialContractTest::vanishingFarEndClosesAndReportsOnce() {
    SerialPort& port = rig_->port();
    QVERIFY(port.setPortOpen(true));
    QSignalSpy lost(&port, &SerialPort::deviceLost);
    rig_->farClose();
    QVERIFY(lost.wait(5000));
    QVERIFY(!port.portOpen());
    QCOMPARE(port.failure().code, SerialPort::kDeviceFailure);
    QVERIFY(!lost.at(0).at(0).toString().isEmpty());
    QTest::qWait(300);
    QCOMPARE(lost.count(), 1);
    QVERIFY(!port.output("x"));
    QVERIFY(!port.setPortOpen(true));
    QCOMPARE(port.failure().code, SerialPort::kOpenFailure);
}
