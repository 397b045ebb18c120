// Kind 4's answer time: the benchmark is the device on a pseudo-terminal, comm-cli runs the
// communication; for each frame the device sends it times the whole answer's arrival and prints
// how much that exceeds the configured pause (delay + 100 ms). Median and worst over N answers.
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "benchcomm.h"
#include "rawpty.h"

namespace {

// Reads exactly n bytes from fd, waiting in poll(); false on time-out or error.
bool ReadExactly(int fd, int n, int timeoutMs) {
    int got = 0;
    char buffer[256];
    const double deadline = benchcomm::WallSeconds() + timeoutMs / 1000.0;
    while (got < n) {
        const int left = int((deadline - benchcomm::WallSeconds()) * 1000);
        if (left <= 0) return false;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, left) <= 0) continue;
        const ssize_t r = ::read(fd, buffer, size_t(std::min<int>(n - got, sizeof buffer)));
        if (r > 0)
            got += int(r);
        else if (r < 0 && errno != EAGAIN && errno != EINTR)
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int delayMs = argc > 1 ? QByteArray(argv[1]).toInt() : 50;
    const int answers = argc > 2 ? QByteArray(argv[2]).toInt() : 100;
    const QByteArray answer = QByteArray::fromHex("68a1a2a3a4a5a616");
    const QByteArray frame = QByteArray::fromHex("10203040");

    comm::RawPty pty;
    QString problem;
    if (!pty.open(&problem)) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    const int master = pty.master();

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("answer.Txl"));
    comm::CommOptions options;
    options.noDelay = delayMs == 0;
    options.delayText = QString::number(delayMs);
    if (!benchcomm::WriteFile(file, benchcomm::Definition(4, answer, int(frame.size())), options)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    QProcess cli;
    cli.start(benchcomm::Program(QStringLiteral("comm-cli")),
              {QStringLiteral("run"), file, QStringLiteral("--port"), pty.slavePath(),
               QStringLiteral("--json")});
    QByteArray out;
    while (!out.contains("\"started\"") && cli.waitForReadyRead(10000)) out += cli.readAll();
    if (!out.contains("\"started\"")) {
        std::fprintf(stderr, "comm-cli did not start: %s\n",
                     cli.readAllStandardError().constData());
        return 1;
    }

    const double pause = (delayMs + 100) / 1000.0;
    std::vector<double> excess;
    for (int i = 0; i < answers; ++i) {
        const double t0 = benchcomm::WallSeconds();
        if (::write(master, frame.constData(), size_t(frame.size())) != frame.size() ||
            !ReadExactly(master, int(answer.size()), 5000 + delayMs)) {
            std::fprintf(stderr, "answer %d did not come\n", i + 1);
            return 1;
        }
        excess.push_back((benchcomm::WallSeconds() - t0 - pause) * 1000.0);
    }
    ::kill(pid_t(cli.processId()), SIGINT);
    cli.waitForFinished(5000);

    std::sort(excess.begin(), excess.end());
    std::printf(
        "kind 4 answer time minus the configured pause (%d ms delay + 100 ms), %d answers\n",
        delayMs, answers);
    std::printf("  best   %7.3f ms\n  median %7.3f ms\n  worst  %7.3f ms\n", excess.front(),
                excess[excess.size() / 2], excess.back());
    return 0;
}
