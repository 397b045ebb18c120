// The execution window on a busy line: kind 2 (receive only, loop for ever) on one end of
// `rs232sim pair --baud 115200`, a sender paced at the line's rate on the other, for a while;
// the window runs offscreen on the real serial back end. Prints frames handled against frames
// sent (when the sender stops and after a second to drain), the window's CPU (the sender thread's
// own is left out) and peak resident memory. Goals: every frame handled; under 5 % of a core for
// 20-byte frames and under 20 % for 3-byte frames; under 150 MB.
//
// The interface language follows the environment as the program's does (LANGUAGE=en for the
// English listing).
//
//   bench_window_linerate [seconds=60] [frame bytes=20]
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QProcessEnvironment>
#include <atomic>
#include <cstdio>
#include <thread>

#include "benchcomm.h"
#include "executionwindow.h"
#include "language.h"
#include "serialfactory.h"
#include "simprocess.h"
#include "translations.h"

namespace {

double ThreadCpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Writes whole frames to fd as the line's rate allows, until told to stop; counts them.
struct PacedSender {
    int fd;
    QByteArray frame;
    double bytesPerSecond;
    std::atomic<bool> stop{false};
    std::atomic<qint64> frames{0};
    double cpu = 0;

    void run() {
        const double t0 = benchcomm::WallSeconds();
        while (!stop) {
            const qint64 due = qint64((benchcomm::WallSeconds() - t0) * bytesPerSecond);
            while (frames * frame.size() + frame.size() <= due && !stop) {
                if (::write(fd, frame.constData(), size_t(frame.size())) != frame.size()) break;
                ++frames;
            }
            ::usleep(2000);
        }
        cpu = ThreadCpuSeconds();
    }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    comm::texts::InstallLanguage(
        comm::texts::LanguageFromEnvironment(QProcessEnvironment::systemEnvironment()));
    const double seconds = argc > 1 ? QByteArray(argv[1]).toDouble() : 60.0;
    const int frameLength = argc > 2 ? QByteArray(argv[2]).toInt() : 20;
    const int baud = 115200;

    SimProcess sim({QStringLiteral("pair"), QStringLiteral("--baud"), QString::number(baud)});
    if (!sim.waitForPorts({QStringLiteral("A"), QStringLiteral("B")})) {
        std::fprintf(stderr, "rs232sim did not start (%s)\n", qPrintable(SimProcess::Program()));
        return 1;
    }
    const int far = benchcomm::OpenRawFarEnd(sim.port(QStringLiteral("B")), 0);
    if (far < 0) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(sim.port(QStringLiteral("B"))));
        return 1;
    }
    qputenv("RS232_COM1", sim.port(QStringLiteral("A")).toLocal8Bit());

    comm::RunRequest request;
    request.definition = benchcomm::Definition(2, {}, frameLength);
    request.saved = true;
    request.port = 1;
    comm::ExecutionWindow window(request, comm::RealSerialPortFactory(), comm::Clock::real());
    window.show();
    comm::RunEngine* engine = window.engine();
    if (engine->start() != comm::RunEngine::StartResult::Started) {
        std::fprintf(stderr, "the run did not start\n");
        return 1;
    }
    QByteArray frame;
    for (int i = 0; i < frameLength; ++i) frame.append(char(0x30 + i % 64));
    PacedSender sender{far, frame, baud / 10.0};

    const double cpu0 = benchcomm::ProcessCpuSeconds();
    const double wall0 = benchcomm::WallSeconds();
    std::thread writer([&sender] { sender.run(); });
    benchcomm::RunFor(int(seconds * 1000));
    sender.stop = true;
    writer.join();
    const double wall = benchcomm::WallSeconds() - wall0;
    const double cpu = benchcomm::ProcessCpuSeconds() - cpu0 - sender.cpu;
    const int handledAtStop = engine->receivedCount();
    benchcomm::RunFor(1000);
    const int handled = engine->receivedCount();
    engine->stop();
    ::close(far);

    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const double peakMb = double(usage.ru_maxrss) / 1024.0;
    const qint64 sent = sender.frames;
    const double cpuShare = 100.0 * cpu / wall;
    const double cpuGoal = frameLength >= 20 ? 5.0 : 20.0;
    std::printf(
        "kind 2 through the execution window (offscreen), rs232sim pair --baud %d, %d-byte "
        "frames paced at the line's rate, %.1f s\n",
        baud, frameLength, wall);
    std::printf("  frames sent %lld, handled %d when the sender stopped, %d a second later %s\n",
                sent, handledAtStop, handled, handled == sent ? "(all)" : "(SOME NOT HANDLED)");
    std::printf("  CPU %.1f %% of a core (goal: under %.0f %%) %s\n", cpuShare, cpuGoal,
                cpuShare < cpuGoal ? "goal met" : "GOAL MISSED");
    std::printf("  peak RSS %.1f MB (goal: under 150 MB) %s\n", peakMb,
                peakMb < 150 ? "goal met" : "GOAL MISSED");
    return 0;
}
