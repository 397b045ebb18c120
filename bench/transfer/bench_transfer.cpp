// File transfer figures: payload bytes per second of comm-cli send against comm-cli receive over
// `rs232sim pair --baud 57600 --format 8O1`, and its ratio to the stop-and-wait limit (15 payload
// bytes per 17 characters of 11 bits: 4620 bytes/s; floor 0.90, aim 0.95); frames per second over
// an unpaced pair; the CPU a sender spends while it waits for a receiver that says nothing (aim:
// under 0.5 % of a core).
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "benchcomm.h"
#include "cliprocess.h"
#include "clock.h"
#include "filebytes.h"
#include "filesender.h"
#include "ptyline.h"
#include "randombytes.h"
#include "serialfactory.h"
#include "simprocess.h"
#include "transferframe.h"

namespace {

struct Across {
    bool ok = false;
    qint64 bytes = 0;
    double seconds = 0;  // from the accepted header to the last reply
};

// One file from A to B, timed from the sender's header event to its end.
Across Send(const QStringList& simArgs, int size, const QString& folder) {
    Across result;
    SimProcess sim(QStringList{QStringLiteral("pair")} + simArgs);
    if (!sim.waitForPorts({QStringLiteral("A"), QStringLiteral("B")})) return result;
    const QString file = QDir(folder).filePath(QStringLiteral("bench.bin"));
    const QString out = QDir(folder).filePath(QStringLiteral("out"));
    if (!QDir().mkpath(out) || !WriteWholeFile(file, RandomBytes(size, 1))) return result;
    CliProcess receive({QStringLiteral("receive"), QStringLiteral("--port"), sim.port("B"),
                        QStringLiteral("--dir"), out, QStringLiteral("--json")});
    if (!receive.waitForEvent(QStringLiteral("started"))) return result;
    CliProcess send({QStringLiteral("send"), file, QStringLiteral("--port"), sim.port("A"),
                     QStringLiteral("--json")});
    if (!send.waitForEvent(QStringLiteral("header"))) return result;
    QElapsedTimer clock;
    clock.start();
    send.waitForExit(600000);
    result.seconds = double(clock.nsecsElapsed()) / 1e9;
    receive.waitForExit(10000);
    if (send.exitCode() != 0 || receive.exitCode() != 0)
        std::fprintf(stderr, "send: %d %s\nreceive: %d %s\n", send.exitCode(),
                     qPrintable(send.standardError()), receive.exitCode(),
                     qPrintable(receive.standardError()));
    result.ok =
        send.exitCode() == 0 && receive.exitCode() == 0 &&
        ReadWholeFile(QDir(out).filePath(QStringLiteral("bench.bin"))) == ReadWholeFile(file);
    result.bytes = size;
    return result;
}

void RunFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int pacedSize = argc > 1 ? QByteArray(argv[1]).toInt() : 40000;
    const int unpacedSize = argc > 2 ? QByteArray(argv[2]).toInt() : 150000;
    const int idleMs = argc > 3 ? QByteArray(argv[3]).toInt() : 10000;
    QTemporaryDir dir;
    bool missed = false;
    // Each frame wakes four processes in turn: on a busy machine their scheduling delays count.
    std::printf("load average: %s", ReadWholeFile(QStringLiteral("/proc/loadavg")).constData());

    const double limit = 57600.0 / (17 * 11) * comm::transfer::kPayloadSize;
    const Across paced = Send({QStringLiteral("--baud"), QStringLiteral("57600"),
                               QStringLiteral("--format"), QStringLiteral("8O1")},
                              pacedSize, dir.filePath(QStringLiteral("paced")));
    if (!paced.ok) {
        std::fprintf(stderr, "the paced transfer failed\n");
        return 1;
    }
    const double rate = double(paced.bytes) / paced.seconds;
    std::printf("rs232sim pair --baud 57600 --format 8O1, %lld bytes in %.2f s\n",
                static_cast<long long>(paced.bytes), paced.seconds);
    std::printf(
        "  %.0f payload bytes/s; stop-and-wait limit %.0f bytes/s; ratio %.3f "
        "(floor 0.90, aim 0.95) %s\n",
        rate, limit, rate / limit,
        rate / limit >= 0.95   ? "aim met"
        : rate / limit >= 0.90 ? "floor met"
                               : "FLOOR MISSED");
    missed |= rate / limit < 0.90;

    const Across unpaced = Send({}, unpacedSize, dir.filePath(QStringLiteral("unpaced")));
    if (!unpaced.ok) {
        std::fprintf(stderr, "the unpaced transfer failed\n");
        return 1;
    }
    const int frames = comm::transfer::DataFrameCount(unpaced.bytes);
    std::printf("rs232sim pair unpaced, %lld bytes in %.2f s\n",
                static_cast<long long>(unpaced.bytes), unpaced.seconds);
    std::printf("  %.0f frames/s (%.0f payload bytes/s)\n", frames / unpaced.seconds,
                double(unpaced.bytes) / unpaced.seconds);

    // The sender in this process on the real back end; the far end of its line says nothing.
    PtyLine line;
    if (!line.ok()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    qputenv("RS232_COM1", line.slavePath().toLocal8Bit());
    const QString file = dir.filePath(QStringLiteral("idle.bin"));
    WriteWholeFile(file, RandomBytes(1000, 2));
    const std::unique_ptr<comm::SerialPort> port = comm::RealSerialPortFactory()();
    port->setCommPort(1);
    comm::FileSender sender(*port, comm::Clock::real());
    if (!sender.choose(file) || !sender.start()) {
        std::fprintf(stderr, "the sender did not start\n");
        return 1;
    }
    RunFor(100);
    const double cpu0 = benchcomm::ProcessCpuSeconds();
    const double wall0 = benchcomm::WallSeconds();
    RunFor(idleMs);
    const double cpu = benchcomm::ProcessCpuSeconds() - cpu0;
    const double wall = benchcomm::WallSeconds() - wall0;
    sender.stop();
    const double percent = cpu * 100.0 / wall;
    std::printf(
        "sender waiting %.1f s for a silent receiver: %.3f ms CPU = %.4f%% of a core "
        "(aim: under 0.5%%) %s\n",
        wall, cpu * 1000, percent, percent < 0.5 ? "aim met" : "AIM MISSED");
    missed |= percent >= 0.5;
    return missed ? 2 : 0;
}
