// The monitor window listening on an unpaced pseudo-terminal with the real serial back end:
// how fast bursts are captured, the longest time the interface is kept from its events meanwhile,
// and the CPU spent listening to a silent line. Prints its figures; run by hand.
//   bench_monitor [silent-seconds]
#include <poll.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <thread>

#include "commdefinition.h"
#include "messages.h"
#include "monitorcapture.h"
#include "monitorwindow.h"
#include "rawpty.h"
#include "serialfactory.h"

namespace {

double CpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A pseudo-terminal whose master the bench writes from another thread, as a device would; the
// slave stays open here too so the line never hangs up between runs.
struct Pty {
    comm::RawPty line;
    Pty() { line.open(); }
    bool isOpen() const { return line.isOpen(); }
    QString path() const { return line.slavePath(); }
    // The master does not block: a full line waits in poll() for the port to drain it.
    void writeAll(const QByteArray& bytes) const {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n =
                ::write(line.master(), bytes.constData() + done, size_t(bytes.size() - done));
            if (n > 0) {
                done += n;
            } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
                pollfd out{line.master(), POLLOUT, 0};
                ::poll(&out, 1, 1000);
            } else {
                return;
            }
        }
    }
};

// Measures the longest gap between ticks of a 1 ms timer: how long the event loop was held.
class StallMeter {
public:
    StallMeter() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 now = clock_.nsecsElapsed();
            worst_ = qMax(worst_, now - last_);
            last_ = now;
        });
    }
    void start() {
        clock_.start();
        last_ = 0;
        worst_ = 0;
        timer_.start();
    }
    double stop() {
        timer_.stop();
        return worst_ / 1e6;
    }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 worst_ = 0;
};

struct Burst {
    double seconds = -1;
    double stallMs = 0;
    int captured = 0;
};

Burst Capture(comm::MonitorWindow& window, QPushButton* start, const Pty& pty, int size) {
    comm::MonitorCapture& capture = window.capture();
    start->click();
    Burst result;
    if (!capture.listening()) return result;
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i) bytes[i] = char((i * 131 + 7) & 0xFF);

    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
    const auto check = [&] {
        if (capture.received() >= size) loop.exit(0);
    };
    QObject::connect(&capture, &comm::MonitorCapture::bytesReceived, &loop, check);
    StallMeter stalls;
    QElapsedTimer clock;
    stalls.start();
    clock.start();
    std::thread writer([&pty, &bytes] { pty.writeAll(bytes); });
    limit.start(60000);
    const bool done = loop.exec() == 0;
    const double seconds = clock.nsecsElapsed() / 1e9;
    result.stallMs = stalls.stop();
    writer.join();
    result.seconds = done ? seconds : -1;
    result.captured = capture.count();
    start->click();
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double silentSeconds = argc > 1 ? QByteArray(argv[1]).toDouble() : 5.0;

    Pty pty;
    if (!pty.isOpen()) {
        std::fprintf(stderr, "no pseudo-terminal\n");
        return 1;
    }
    qputenv("RS232_COM1", pty.path().toLocal8Bit());
    comm::ui::SetMessageResponder([](const QString& text, comm::ui::MessageIcon, bool) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return true;
    });

    comm::CommDefinition def;
    def.MonitorSettings = QStringLiteral("9600,O,8,1");
    def.MonitorSettingsText = QStringLiteral("9600,奇,8,1");
    comm::MonitorWindow window(def, 1, comm::RealSerialPortFactory(), comm::Clock::real());
    window.show();
    // The user sees the window before pressing start: let it paint first.
    {
        QEventLoop shown;
        QTimer::singleShot(300, &shown, &QEventLoop::quit);
        shown.exec();
    }
    auto* start = window.findChild<QPushButton*>(QStringLiteral("Command1"));

    std::printf("monitor window listening on an unpaced pseudo-terminal (%s)\n",
                qPrintable(pty.path()));
    std::printf("%-28s %10s %10s %14s %16s\n", "burst", "captured", "ms", "bytes/s",
                "longest stall ms");
    for (int size : {620, 32767, 32767 * 4, 1 << 20}) {
        const Burst burst = Capture(window, start, pty, size);
        const QString name = QStringLiteral("%1 bytes").arg(size);
        if (burst.seconds < 0) {
            std::printf("%-28s %10d %10s\n", qPrintable(name), burst.captured, "stalled");
            continue;
        }
        std::printf("%-28s %10d %10.1f %14.0f %16.1f\n", qPrintable(name), burst.captured,
                    burst.seconds * 1000, size / burst.seconds, burst.stallMs);
    }
    std::printf("goal: a 32767-byte burst captured whole, no stall above 50 ms\n\n");

    start->click();
    QEventLoop idle;
    QTimer::singleShot(int(silentSeconds * 1000), &idle, &QEventLoop::quit);
    const double cpu = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    idle.exec();
    const double used = CpuSeconds() - cpu;
    const double seconds = wall.nsecsElapsed() / 1e9;
    start->click();
    std::printf("listening to a silent line for %.1f s: %.3f ms CPU per s (%.3f%% of a core)\n",
                seconds, used * 1000 / seconds, used * 100 / seconds);
    std::printf("goal: under 1%% of a core\n");
    return 0;
}
