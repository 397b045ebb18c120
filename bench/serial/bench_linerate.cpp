// How close rs232sim's paced lines come to the physical rate of their settings, and how fast an
// unpaced line goes. Prints one row per line setting; the ratio should be close to 1.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "qtserialportbackend.h"
#include "simprocess.h"

using comm::SerialPort;

namespace {
struct Line {
    int baud;
    const char* format;
    double bitsPerChar;
};

std::unique_ptr<SerialPort> OpenPort(int number, const QString& path) {
    qputenv(qPrintable(QStringLiteral("RS232_COM%1").arg(number)), path.toLocal8Bit());
    auto port = std::make_unique<comm::QtSerialPortBackend>();
    port->setCommPort(number);
    return port->setPortOpen(true) ? std::move(port) : nullptr;
}

// Sends `bytes` from A and returns the seconds until the last one arrived at B; -1 on a stall.
double Transfer(const QStringList& simArgs, const QByteArray& bytes) {
    SimProcess sim(simArgs);
    if (!sim.waitForPorts({"A", "B"})) return -1;
    auto a = OpenPort(1, sim.port("A"));
    auto b = OpenPort(2, sim.port("B"));
    if (!a || !b) return -1;
    qint64 got = 0;
    QEventLoop loop;
    QTimer stall;
    stall.setSingleShot(true);
    stall.setInterval(3000);
    QObject::connect(&stall, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
    QObject::connect(b.get(), &SerialPort::readyRead, &loop, [&] {
        got += b->input().size();
        stall.start();
        if (got >= bytes.size()) loop.exit(0);
    });
    QElapsedTimer clock;
    clock.start();
    a->output(bytes);
    stall.start();
    if (loop.exec() != 0) return -1;
    return clock.nsecsElapsed() / 1e9;
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const double seconds = argc > 1 ? QByteArray(argv[1]).toDouble() : 2.0;
    const Line lines[] = {{1200, "8N1", 10},  {9600, "8N1", 10},  {9600, "8E1", 11},
                          {19200, "7E2", 11}, {57600, "8O1", 11}, {115200, "8N1", 10}};
    std::printf("rs232sim paced lines (%.1f s of data each)\n", seconds);
    std::printf("%-14s %8s %12s %12s %7s\n", "line", "bytes", "theory B/s", "measured B/s",
                "ratio");
    for (const Line& line : lines) {
        const double theory = line.baud / line.bitsPerChar;
        const int n = qMax(16, int(theory * seconds));
        const double elapsed = Transfer({"pair", "--baud", QString::number(line.baud), "--format",
                                         QString::fromLatin1(line.format)},
                                        QByteArray(n, 'U'));
        const QString name = QStringLiteral("%1 %2").arg(line.baud).arg(QLatin1String(line.format));
        if (elapsed <= 0) {
            std::printf("%-14s %8d %12.1f %12s\n", qPrintable(name), n, theory, "stalled");
            continue;
        }
        const double measured = n / elapsed;
        std::printf("%-14s %8d %12.1f %12.1f %7.3f\n", qPrintable(name), n, theory, measured,
                    measured / theory);
    }
    const int big = 4 << 20;
    const double elapsed = Transfer({"pair"}, QByteArray(big, 'x'));
    if (elapsed > 0)
        std::printf("unpaced pair: %d bytes in %.3f s = %.1f MB/s\n", big, elapsed,
                    big / elapsed / 1e6);
    else
        std::printf("unpaced pair: stalled\n");
    return 0;
}
