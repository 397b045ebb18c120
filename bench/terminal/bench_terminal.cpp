// The terminal window (offscreen) on a line paced at 115200 baud by rs232sim, fed without a pause
// by a writer thread playing the device, while it records the stream raw: the CPU the window's
// thread spends, the process's resident memory as time goes (it should stay flat) and at its
// peak, and the recorded bytes against those the device sent. Prints its figures; run by hand.
//   bench_terminal [seconds]   (60 unless given; whole tens)
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <thread>

#include "messages.h"
#include "recordingcontrol.h"
#include "serialfactory.h"
#include "simprocess.h"
#include "terminalsession.h"
#include "terminalwindow.h"

namespace {

constexpr int kBaud = 115200;

double Seconds(const timeval& user, const timeval& system) {
    return user.tv_sec + system.tv_sec + (user.tv_usec + system.tv_usec) / 1e6;
}

double CpuSeconds(int who) {
    rusage usage{};
    ::getrusage(who, &usage);
    return Seconds(usage.ru_utime, usage.ru_stime);
}

double ResidentMiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * double(::sysconf(_SC_PAGESIZE)) / (1024 * 1024);
}

// The device's stream: numbered text lines of kLineBytes, as a meter sends its readings, so the
// view reaches its line limit within the run; the recording is checked against it.
constexpr int kLineBytes = 48;
QByteArray StreamLine(qint64 n) {
    return "reading " + QByteArray::number(n).rightJustified(10, '0') + ' ' +
           QByteArray(27, char('a' + n % 26)) + "\r\n";
}
char StreamByte(qint64 i) {
    return StreamLine(i / kLineBytes)[int(i % kLineBytes)];
}

// The device: writes the pattern into its end of the line for as long as asked; the paced line
// holds it back to the line rate. Counts what the line took and the CPU its own thread spent.
struct Device {
    int fd = -1;
    std::atomic<bool> stop{false};
    qint64 sent = 0;
    double cpu = 0;

    void run() {
        QByteArray chunk;
        while (!stop) {
            chunk.clear();
            for (qint64 n = sent / kLineBytes; chunk.size() < 4096; ++n) chunk += StreamLine(n);
            chunk.remove(0, int(sent % kLineBytes));
            pollfd out{fd, POLLOUT, 0};
            if (::poll(&out, 1, 100) <= 0) continue;
            const ssize_t n = ::write(fd, chunk.constData(), size_t(chunk.size()));
            if (n > 0) sent += n;
            if (n < 0 && errno != EAGAIN && errno != EINTR) break;
        }
        cpu = CpuSeconds(RUSAGE_THREAD);
    }
};

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 60;
    QTemporaryDir dir;
    SimProcess sim({QStringLiteral("pair"), QStringLiteral("--baud"), QString::number(kBaud)});
    if (!dir.isValid() || !sim.waitForPorts({QStringLiteral("A"), QStringLiteral("B")})) {
        std::fprintf(stderr, "rs232sim did not start (%s)\n", qPrintable(SimProcess::Program()));
        return 1;
    }
    qputenv("RS232_COM1", QFile::encodeName(sim.port(QStringLiteral("A"))));
    comm::ui::SetMessageResponder([](const QString& text, comm::ui::MessageIcon, bool) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return true;
    });

    comm::TerminalWindow window(1, comm::RealSerialPortFactory());
    window.show();
    window.findChild<QComboBox*>(QStringLiteral("BaudRate"))
        ->setCurrentText(QString::number(kBaud));
    window.findChild<QPushButton*>(QStringLiteral("OpenPort"))->click();
    const QString record = dir.filePath(QStringLiteral("stream.bin"));
    comm::ui::RecordingControl::setFileChooser([&record](const QString&) { return record; });
    window.findChild<QPushButton*>(QStringLiteral("Record"))->click();
    if (!window.session().isOpen() || !window.session().recorder().active()) {
        std::fprintf(stderr, "the terminal did not open its port or its recording\n");
        return 1;
    }
    Wait(300);

    Device device;
    device.fd = ::open(QFile::encodeName(sim.port(QStringLiteral("B"))).constData(),
                       O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios raw{};
    if (device.fd < 0 || ::tcgetattr(device.fd, &raw) != 0) {
        std::fprintf(stderr, "cannot open the device end\n");
        return 1;
    }
    ::cfmakeraw(&raw);
    ::tcsetattr(device.fd, TCSANOW, &raw);

    std::printf("terminal window, %d baud paced by rs232sim, recording raw, %d s\n", kBaud,
                seconds);
    const double cpuBefore = CpuSeconds(RUSAGE_SELF);
    QElapsedTimer clock;
    clock.start();
    std::thread writer([&device] { device.run(); });
    for (int s = 10; s <= seconds; s += 10) {
        Wait(10000);
        std::printf("  %3d s: resident %.1f MiB, received %lld bytes\n", s, ResidentMiB(),
                    static_cast<long long>(window.session().receivedCount()));
        std::fflush(stdout);
    }
    device.stop = true;
    writer.join();
    // What is still on its way on the line arrives within a moment.
    for (int i = 0; i < 50 && window.session().receivedCount() < device.sent; ++i) Wait(100);
    const double elapsed = clock.nsecsElapsed() / 1e9;
    const double cpu = CpuSeconds(RUSAGE_SELF) - cpuBefore - device.cpu;
    window.findChild<QPushButton*>(QStringLiteral("Record"))->click();

    QFile file(record);
    QByteArray recorded;
    if (file.open(QIODevice::ReadOnly)) recorded = file.readAll();
    qint64 matching = 0;
    while (matching < recorded.size() && recorded[matching] == StreamByte(matching)) ++matching;
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const double lineRate = kBaud / 10.0;
    std::printf("  sent by the device:  %lld bytes (%.0f B/s, line limit %.0f B/s, %.1f %%)\n",
                static_cast<long long>(device.sent), device.sent / elapsed, lineRate,
                100.0 * device.sent / elapsed / lineRate);
    std::printf(
        "  recorded:            %lld bytes, %lld in order and exact (%s)\n",
        static_cast<long long>(recorded.size()), static_cast<long long>(matching),
        recorded.size() == device.sent && matching == device.sent ? "every byte" : "MISSING BYTES");
    std::printf("  terminal CPU:        %.2f s in %.1f s = %.1f %% of a core\n", cpu, elapsed,
                100.0 * cpu / elapsed);
    std::printf("  peak resident:       %.1f MiB\n", usage.ru_maxrss / 1024.0);
    ::close(device.fd);
    return recorded.size() == device.sent && matching == device.sent ? 0 : 2;
}
