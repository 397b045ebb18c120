// The UART model: matching settings give the bytes back; a wrong baud, parity or data-bit count
// gives what a real UART gives.
#include <QtTest>

#include "randombytes.h"
#include "serialsettings.h"
#include "uartmodel.h"

using comm::LineSettings;
using comm::UartReceived;

namespace {
LineSettings Settings(const char* text) {
    LineSettings s;
    QString error;
    if (!comm::LineSettings::parse(QString::fromLatin1(text), &s, &error)) qFatal("%s", text);
    return s;
}

comm::UartDelivery Through(const char* device, const QByteArray& bytes, const char* receiver) {
    return comm::Deliver(comm::ReceiveThroughUart(Settings(device), bytes, Settings(receiver)));
}

QByteArray EveryValue() {
    QByteArray all;
    for (int i = 0; i < 256; ++i) all.append(char(i));
    return all;
}
}  // namespace

class TestUartModel : public QObject {
    Q_OBJECT
private slots:
    void matchingSettingsGiveTheBytesBack_data() {
        QTest::addColumn<QString>("settings");
        for (const char* s : {"115200,N,8,1", "19200,O,7,1", "9600,E,8,1", "1200,E,6,2",
                              "57600,N,5,1.5", "14400,O,8,2"})
            QTest::newRow(s) << QString::fromLatin1(s);
    }
    void matchingSettingsGiveTheBytesBack() {
        QFETCH(QString, settings);
        const QByteArray text = settings.toLatin1();
        const LineSettings s = Settings(text.constData());
        const comm::UartDelivery d = Through(text.constData(), EveryValue(), text.constData());
        QByteArray expected;
        for (const char c : EveryValue())
            expected.append(char(quint8(c) & ((1 << s.dataBits) - 1)));
        // A zero character at 5 or 6 data bits without parity is still a character, not a break:
        // its stop bit is high.
        QCOMPARE(d.bytes, expected);
        QCOMPARE(d.errors.frame + d.errors.parity + d.errors.brk, 0u);
    }

    void mismatchesGiveTheUartsErrors_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("receiver");
        QTest::addColumn<QByteArray>("delivered");
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("parity");
        QTest::addColumn<int>("breaks");
        QTest::newRow("odd against even parity")
            << "9600,E,7,1" << QByteArray("AB\r") << "9600,O,7,1" << QByteArray() << 0 << 3 << 0;
        // The device's stop bit is taken as the parity bit, the next start bit as the stop bit.
        QTest::newRow("8N1 back to back into 8E1")
            << "9600,N,8,1" << QByteArray("AB") << "9600,E,8,1" << QByteArray() << 0 << 2 << 0;
        QTest::newRow("7O1 into 8N1: the parity bit becomes bit 7")
            << "9600,O,7,1" << QByteArray("A") << "9600,N,8,1" << QByteArray("\xC1") << 0 << 0 << 0;
        // Then the low parity bit is taken as the next start bit, which reads as 3F with bad
        // parity.
        QTest::newRow("7E1 into 6E1: the parity bit lands on the stop bit")
            << "9600,E,7,1" << QByteArray("\x03") << "9600,E,6,1" << QByteArray() << 1 << 1 << 0;
        QTest::newRow("a slow zero at a fast receiver is a break")
            << "9600,N,8,1" << QByteArray(1, '\0') << "115200,N,8,1" << QByteArray(1, '\0') << 0
            << 0 << 1;
        QTest::newRow("a slow start bit alone is a break too")
            << "1200,N,8,1" << QByteArray("\xFF") << "115200,N,8,1" << QByteArray(1, '\0') << 0 << 0
            << 1;
    }
    void mismatchesGiveTheUartsErrors() {
        QFETCH(QString, device);
        QFETCH(QByteArray, sent);
        QFETCH(QString, receiver);
        QFETCH(QByteArray, delivered);
        QFETCH(int, frame);
        QFETCH(int, parity);
        QFETCH(int, breaks);
        const comm::UartDelivery d =
            Through(device.toLatin1().constData(), sent, receiver.toLatin1().constData());
        QCOMPARE(d.bytes, delivered);
        QCOMPARE(int(d.errors.frame), frame);
        QCOMPARE(int(d.errors.parity), parity);
        QCOMPARE(int(d.errors.brk), breaks);
    }

    // Fed in pieces, as the simulator feeds it while time goes by, the line decides the same.
    void receivingInPiecesMatchesAllAtOnce_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("receiver");
        QTest::newRow("same") << "9600,E,7,1"
                              << "9600,E,7,1";
        QTest::newRow("receiver faster") << "9600,E,8,1"
                                         << "57600,O,6,1";
        QTest::newRow("receiver slower") << "57600,N,8,1"
                                         << "4800,E,8,1";
    }
    void receivingInPiecesMatchesAllAtOnce() {
        QFETCH(QString, device);
        QFETCH(QString, receiver);
        const LineSettings dev = Settings(device.toLatin1().constData());
        const LineSettings rx = Settings(receiver.toLatin1().constData());
        const QByteArray bytes = RandomBytes(400, 7);
        const QList<UartReceived> whole = comm::ReceiveThroughUart(dev, bytes, rx);

        comm::UartLine line(dev, rx);
        QList<UartReceived> pieces;
        QRandomGenerator random(11);
        for (const char byte : bytes) {
            const qint64 free = line.lineFreeNs();
            line.send(quint8(byte), free);
            pieces += line.receiveUntil(free + random.bounded(qint64(2000000)) / 100);
        }
        pieces += line.receiveUntil(line.lineFreeNs() + 100000000);
        QCOMPARE(pieces.size(), whole.size());
        for (int i = 0; i < whole.size(); ++i) {
            QCOMPARE(int(pieces[i].kind), int(whole[i].kind));
            QCOMPARE(pieces[i].value, whole[i].value);
        }
    }
};

QTEST_GUILESS_MAIN(TestUartModel)
#include "test_uartmodel.moc"
