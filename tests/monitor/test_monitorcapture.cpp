#include <QRandomGenerator>
#include <QtTest>

#include "memorydevice.h"
#include "memoryserialport.h"
#include "monitorcapture.h"
#include "randombytes.h"
#include "virtualclock.h"

using namespace comm;

namespace {
const QString kSettings = QStringLiteral("9600,O,8,1");
}  // namespace

// Each test gets a fresh engine over an in-memory port; the port is owned by the engine.
class TestMonitorCapture : public QObject {
    Q_OBJECT
    MemorySerialPort* port_ = nullptr;
    std::unique_ptr<MonitorCapture> capture_;

    // Feeds bytes and lets the port deliver them.
    void feed(const QByteArray& bytes) {
        port_->inject(bytes);
        QTRY_COMPARE_WITH_TIMEOUT(port_->inBufferCount(), 0, 10000);
        QCoreApplication::sendPostedEvents();
    }
    QList<int> counts(const QSignalSpy& spy) {
        QList<int> result;
        for (const QList<QVariant>& args : spy) result << args.at(0).toInt();
        return result;
    }

private slots:
    void init() {
        auto port = std::make_unique<MemorySerialPort>();
        port_ = port.get();
        capture_ = std::make_unique<MonitorCapture>(std::move(port), Clock::real());
    }
    void cleanup() { capture_.reset(); }

    // Each batch is logged with its time since the start, only as far as the capture keeps it;
    // an import (bytes without times) leaves nothing to log.
    void batchesAreLoggedWithTheirTimes() {
        VirtualClock clock;
        auto port = std::make_unique<MemorySerialPort>();
        port_ = port.get();
        capture_ = std::make_unique<MonitorCapture>(std::move(port), clock);
        clock.advance(500);
        QVERIFY(capture_->start(kSettings));
        clock.advance(40);
        feed(QByteArray(monitor::kCaptureLimit - 1, 'x'));
        clock.advance(1000);
        feed("AB");  // only A still fits
        QCOMPARE(capture_->log().records().size(), 2);
        QCOMPARE(capture_->log().records()[0].ms, qint64(40));
        QCOMPARE(LogLine(capture_->log().records()[1]), QStringLiteral("     1.040 RX 41"));
        capture_->stop();
        QVERIFY(capture_->replaceCapture("imported"));
        QVERIFY(capture_->log().isEmpty());
    }

    void startOpensWithTheMonitorSettings() {
        capture_->setCommPort(3);
        QSignalSpy states(capture_.get(), &MonitorCapture::listeningChanged);
        QVERIFY(capture_->start(QStringLiteral("19200,E,7,2")));
        QVERIFY(capture_->listening());
        QVERIFY(port_->portOpen());
        QCOMPARE(port_->commPort(), 3);
        QCOMPARE(port_->settings(), QStringLiteral("19200,E,7,2"));
        QCOMPARE(port_->openCount(), 1);
        capture_->stop();
        QVERIFY(!port_->portOpen());
        QCOMPARE(counts(states), (QList<int>{1, 0}));
        // A second stop changes nothing.
        capture_->stop();
        QCOMPARE(states.count(), 2);
        QVERIFY(port_->written().isEmpty());
    }

    void failedOpenChangesNothing_data() {
        QTest::addColumn<bool>("busy");
        QTest::newRow("held by another program") << true;
        QTest::newRow("open fails once") << false;
    }
    void failedOpenChangesNothing() {
        QFETCH(bool, busy);
        QVERIFY(capture_->replaceCapture("earlier capture"));
        if (busy)
            port_->setBusy(true);
        else
            port_->failNextOpen(QStringLiteral("no such device"));
        QSignalSpy states(capture_.get(), &MonitorCapture::listeningChanged);
        QString refusal = QStringLiteral("left from before");
        QVERIFY(!capture_->start(kSettings, &refusal));
        QVERIFY(refusal.isEmpty());
        QCOMPARE(port_->failure().code, int(SerialPort::kOpenFailure));
        QVERIFY(!capture_->listening());
        QCOMPARE(states.count(), 0);
        QCOMPARE(capture_->capture(), QByteArray("earlier capture"));
    }

    // Settings the driver cannot run are refused with the reason before the port is touched.
    void settingsThePlatformCannotRunAreRefused_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("reason");
        QTest::newRow("1.5 stop bits") << "9600,N,8,1.5"
                                       << "1.5";
        QTest::newRow("4 data bits") << "9600,N,4,1"
                                     << "4";
    }
    void settingsThePlatformCannotRunAreRefused() {
        QFETCH(QString, settings);
        QFETCH(QString, reason);
        QString refusal;
        QVERIFY(!capture_->start(settings, &refusal));
        QVERIFY2(refusal.contains(reason), qPrintable(refusal));
        QVERIFY(!capture_->listening());
        QCOMPARE(port_->openCount(), 0);
        QVERIFY(capture_->start(kSettings, &refusal));
        QVERIFY(refusal.isEmpty());
    }

    void refreshRule_data() {
        QTest::addColumn<QList<int>>("chunks");
        QTest::addColumn<QList<int>>("refreshes");
        QTest::newRow("quiet after 99") << QList<int>{99} << QList<int>{99};
        QTest::newRow("exactly 100") << QList<int>{100} << QList<int>{100};
        QTest::newRow("250 at once") << QList<int>{250} << QList<int>{100, 200, 250};
        QTest::newRow("100 then 1") << QList<int>{100, 1} << QList<int>{100, 101};
        QTest::newRow("counter carries over") << QList<int>{60, 60, 60} << QList<int>{60, 120, 180};
        QTest::newRow("50 then 150") << QList<int>{50, 150} << QList<int>{50, 150, 200};
    }
    void refreshRule() {
        QFETCH(QList<int>, chunks);
        QFETCH(QList<int>, refreshes);
        QVERIFY(capture_->start(kSettings));
        QSignalSpy spy(capture_.get(), &MonitorCapture::refreshed);
        int seed = 1;
        for (int n : chunks) feed(RandomBytes(n, quint32(seed++)));
        QCOMPARE(counts(spy), refreshes);
    }

    void captureStopsAt32767() {
        QVERIFY(capture_->start(kSettings));
        const QByteArray stream = RandomBytes(32767 + 500, 21);
        QSignalSpy spy(capture_.get(), &MonitorCapture::refreshed);
        feed(stream.left(10000));
        feed(stream.mid(10000));
        QCOMPARE(capture_->count(), 32767);
        QCOMPARE(capture_->capture(), stream.left(32767));
        QCOMPARE(capture_->received(), qint64(stream.size()));
        QCOMPARE(counts(spy).last(), 32767);
        for (int c : counts(spy)) QVERIFY(c <= 32767);
    }

    // Dropped bytes still count towards the next refresh, which brings the view back to line 1.
    void droppedBytesStillRefresh() {
        QVERIFY(capture_->start(kSettings));
        feed(RandomBytes(32767, 5));
        QSignalSpy spy(capture_.get(), &MonitorCapture::refreshed);
        feed(RandomBytes(250, 6));
        QCOMPARE(counts(spy), (QList<int>{32767, 32767}));
        QCOMPARE(capture_->count(), 32767);
    }

    void noByteLostAcrossManyChunks() {
        QVERIFY(capture_->start(kSettings));
        QByteArray sent;
        QRandomGenerator gen(77);
        while (sent.size() < 20000) {
            const QByteArray chunk = RandomBytes(1 + int(gen.bounded(700)), gen.generate());
            sent += chunk;
            port_->inject(chunk);
            if (gen.bounded(3) == 0) QCoreApplication::sendPostedEvents();
        }
        QTRY_COMPARE_WITH_TIMEOUT(capture_->count(), int(sent.size()), 10000);
        QCOMPARE(capture_->capture(), sent);
    }

    void pacedBytesRefreshEach() {
        VirtualClock clock;
        MemoryDevice device(*port_, clock);
        QVERIFY(capture_->start(kSettings));
        QSignalSpy spy(capture_.get(), &MonitorCapture::refreshed);
        device.sendPaced("ABCDE", 5);
        clock.advance(20);
        QCOMPARE(capture_->count(), 5);
        QCOMPARE(counts(spy), (QList<int>{1, 2, 3, 4, 5}));
        QCOMPARE(capture_->capture(), QByteArray("ABCDE"));
    }

    void stopKeepsTheCaptureAndStartEmptiesIt() {
        QVERIFY(capture_->start(kSettings));
        feed("first capture");
        capture_->stop();
        port_->inject("arrived while closed");
        QCoreApplication::sendPostedEvents();
        QCOMPARE(capture_->capture(), QByteArray("first capture"));

        // Bytes that waited on the line while the port was closed are discarded at the start.
        QVERIFY(capture_->start(kSettings));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(capture_->count(), 0);
        QCOMPARE(capture_->received(), qint64(0));
        feed("second");
        QCOMPARE(capture_->capture(), QByteArray("second"));
    }

    // A slot that stops listening during a refresh ends the batch there: no byte is taken
    // from the port afterwards.
    void stopInsideARefresh() {
        QVERIFY(capture_->start(kSettings));
        connect(capture_.get(), &MonitorCapture::refreshed, capture_.get(),
                [this] { capture_->stop(); });
        QSignalSpy spy(capture_.get(), &MonitorCapture::refreshed);
        port_->inject(RandomBytes(350, 3));
        QTRY_VERIFY(!capture_->listening());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(counts(spy), QList<int>{100});
        QCOMPARE(capture_->count(), 100);
        QVERIFY(!port_->portOpen());
    }

    void vanishedPortEndsListeningAndKeepsTheCapture() {
        QVERIFY(capture_->start(kSettings));
        feed("kept bytes");
        QSignalSpy lost(capture_.get(), &MonitorCapture::portLost);
        QSignalSpy states(capture_.get(), &MonitorCapture::listeningChanged);
        port_->vanish(QStringLiteral("unplugged"));
        QTRY_COMPARE(lost.count(), 1);
        QCOMPARE(lost.at(0).at(0).toString(), QStringLiteral("unplugged"));
        QCOMPARE(counts(states), QList<int>{0});
        QVERIFY(!capture_->listening());
        QCOMPARE(capture_->capture(), QByteArray("kept bytes"));
        // Starting again on the missing device fails like any busy port.
        QVERIFY(!capture_->start(kSettings));
        port_->reattach();
        QVERIFY(capture_->start(kSettings));
    }

    // With reconnect on, the gap neither ends listening nor costs a byte: the port is tried on
    // the clock until the device is back, and the log marks where the gap was.
    void reconnectWaitsForTheDeviceAndGoesOn() {
        VirtualClock clock;
        auto port = std::make_unique<MemorySerialPort>();
        port_ = port.get();
        capture_ = std::make_unique<MonitorCapture>(std::move(port), clock);
        capture_->setReconnect(true);
        QSignalSpy gone(capture_.get(), &MonitorCapture::deviceGone);
        QSignalSpy back(capture_.get(), &MonitorCapture::deviceBack);
        QSignalSpy states(capture_.get(), &MonitorCapture::listeningChanged);
        QVERIFY(capture_->start(kSettings));
        clock.advance(100);
        feed("before");
        port_->vanish(QStringLiteral("unplugged"));
        QTRY_COMPARE(gone.count(), 1);
        QCOMPARE(gone.at(0).at(0).toLongLong(), qint64(100));
        QVERIFY(capture_->listening());
        QVERIFY(capture_->waitingForDevice());
        clock.advance(3 * MonitorCapture::kRetryMs);  // tries fail while the device is away
        QCOMPARE(back.count(), 0);
        port_->reattach();
        port_->inject("after");  // sent as it came back, before the port was open again
        clock.advance(MonitorCapture::kRetryMs);
        QCOMPARE(back.count(), 1);
        QCOMPARE(back.at(0).at(0).toLongLong(), qint64(100 + 4 * MonitorCapture::kRetryMs));
        QVERIFY(!capture_->waitingForDevice());
        feed("!");
        QCOMPARE(capture_->capture(), QByteArray("beforeafter!"));
        QCOMPARE(states.count(), 1);  // only the start
        QStringList lines;
        for (const LogRecord& r : capture_->log().records()) lines << LogLine(r);
        QCOMPARE(lines, (QStringList{"     0.100 RX 62 65 66 6F 72 65", "     0.100 -- 设备断开",
                                     "     2.100 -- 设备恢复", "     2.100 RX 61 66 74 65 72",
                                     "     2.100 RX 21"}));
        // Stopping while the device is away ends the waiting too.
        port_->vanish(QStringLiteral("again"));
        QTRY_VERIFY(capture_->waitingForDevice());
        capture_->stop();
        port_->reattach();
        clock.advance(2 * MonitorCapture::kRetryMs);
        QVERIFY(!port_->portOpen());
        QCOMPARE(back.count(), 1);
    }

    void replaceCapture() {
        QVERIFY(capture_->replaceCapture(QByteArray(901, 'q')));
        QCOMPARE(capture_->count(), 901);
        QVERIFY(capture_->replaceCapture(QByteArray(32768, 'q')));
        QCOMPARE(capture_->count(), 32768);
        QVERIFY(!capture_->replaceCapture(QByteArray(32769, 'q')));
        QCOMPARE(capture_->count(), 32768);

        QVERIFY(capture_->start(kSettings));
        QVERIFY(!capture_->replaceCapture("while listening"));
        QCOMPARE(capture_->count(), 0);
    }

    // Destroying the engine while it listens closes the port: nothing is left holding it.
    void destroyWhileListeningClosesThePort() {
        auto port = std::make_unique<MemorySerialPort>();
        MemorySerialPort* raw = port.get();
        QObject owner;
        bool closedBeforeDeletion = false;
        {
            MonitorCapture engine(std::move(port), Clock::real());
            QVERIFY(engine.start(kSettings));
            QVERIFY(raw->portOpen());
            connect(&engine, &MonitorCapture::listeningChanged, &owner,
                    [&](bool on) { closedBeforeDeletion = !on && !raw->portOpen(); });
        }
        QVERIFY(closedBeforeDeletion);
    }
};

QTEST_GUILESS_MAIN(TestMonitorCapture)
#include "test_monitorcapture.moc"
