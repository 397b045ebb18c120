// Kind 1's frames per second on a paced virtual line: comm-cli sends a frame over and over on one
// end of `rs232sim pair --baud B`, the benchmark counts what arrives at the other end, and prints
// the ratio to the line's capacity (baud / bits per character). Goal: at least 0.97.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>

#include "benchcomm.h"
#include "simprocess.h"

namespace {

// Bytes read from fd during seconds.
qint64 Count(int fd, double seconds) {
    qint64 total = 0;
    char buffer[4096];
    const double end = benchcomm::WallSeconds() + seconds;
    for (;;) {
        const int left = int((end - benchcomm::WallSeconds()) * 1000);
        if (left <= 0) return total;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, left) <= 0) continue;
        const ssize_t r = ::read(fd, buffer, sizeof buffer);
        if (r > 0) total += r;
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const double seconds = argc > 1 ? QByteArray(argv[1]).toDouble() : 5.0;
    const int frameLength = argc > 2 ? QByteArray(argv[2]).toInt() : 16;
    const int baud = 115200;
    const double bitsPerCharacter = 10.0;  // 8N1

    SimProcess sim({QStringLiteral("pair"), QStringLiteral("--baud"), QString::number(baud)});
    if (!sim.waitForPorts({QStringLiteral("A"), QStringLiteral("B")})) {
        std::fprintf(stderr, "rs232sim did not start (%s)\n", qPrintable(SimProcess::Program()));
        return 1;
    }
    const int far = benchcomm::OpenRawFarEnd(sim.port(QStringLiteral("B")), O_NONBLOCK);
    if (far < 0) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(sim.port(QStringLiteral("B"))));
        return 1;
    }

    QByteArray frame;
    for (int i = 0; i < frameLength; ++i) frame.append(char(i));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("send.Txl"));
    if (!benchcomm::WriteFile(file, benchcomm::Definition(1, frame, 0), comm::CommOptions{})) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    QProcess cli;
    cli.setStandardOutputFile(QProcess::nullDevice());
    cli.start(
        benchcomm::Program(QStringLiteral("comm-cli")),
        {QStringLiteral("run"), file, QStringLiteral("--port"), sim.port(QStringLiteral("A"))});
    if (!cli.waitForStarted()) {
        std::fprintf(stderr, "comm-cli did not start\n");
        return 1;
    }
    Count(far, 1.0);  // the line fills up first
    const double t0 = benchcomm::WallSeconds();
    const qint64 bytes = Count(far, seconds);
    const double wall = benchcomm::WallSeconds() - t0;
    ::kill(pid_t(cli.processId()), SIGINT);
    cli.waitForFinished(5000);
    ::close(far);

    const double capacity = baud / bitsPerCharacter;
    const double rate = double(bytes) / wall;
    std::printf("kind 1 on rs232sim pair --baud %d (8N1), %d-byte frames, %.1f s\n", baud,
                frameLength, wall);
    std::printf("  %.1f frames/s, %.0f bytes/s; line capacity %.0f bytes/s (%.1f frames/s)\n",
                rate / frameLength, rate, capacity, capacity / frameLength);
    std::printf("  ratio %.4f (goal: at least 0.97) %s\n", rate / capacity,
                rate / capacity >= 0.97 ? "goal met" : "GOAL MISSED");
    return 0;
}
