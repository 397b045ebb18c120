// Settings identification: how long a whole run takes against devices at 115200, 9600 and 1200
// baud (the window's 54 candidates, 10000 ms each; at most 540 s), the CPU it spends while it
// listens, and Holdpane's time from start to exit and its peak memory.
//
// usage: bench_identify [--quick]   (--quick leaves out the runs in real time over rs232sim)
#include <sys/resource.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <algorithm>
#include <cstdio>

#include "benchcomm.h"
#include "builtprogram.h"
#include "holdpanestarter.h"
#include "memorydevice.h"
#include "memoryserialport.h"
#include "ptyline.h"
#include "serialfactory.h"
#include "settingsidentifier.h"
#include "simprocess.h"
#include "virtualclock.h"

namespace {

const QByteArray kTelemetry("T=21.5C RH=40%\r\n");

class NoHoldpane : public comm::HoldpaneStarter {
public:
    bool start(QString*) override { return true; }
};

struct Outcome {
    double seconds = 0;  // the run's own time (virtual or real)
    double cpuSeconds = 0;
    QStringList listed;
    QString first;
};

Outcome Summarise(const comm::SettingsIdentifier& engine) {
    Outcome o;
    for (const comm::ListedCandidate& c : engine.listed()) o.listed << c.settings;
    if (!engine.ranking().isEmpty()) o.first = engine.listed()[engine.ranking().first()].settings;
    return o;
}

// The engine on the in-memory port with the UART model and the virtual clock: the time the run
// takes, exactly, in no real time.
Outcome VirtualRun(const QString& device) {
    comm::VirtualClock clock;
    comm::MemorySerialPort port;
    NoHoldpane holdpane;
    comm::SettingsIdentifier engine(port, clock, holdpane);
    MemoryDevice sender(port, clock);
    sender.sendBursts(device, {kTelemetry}, 500);
    engine.start();
    while (engine.isRunning()) clock.advance(1000);
    Outcome o = Summarise(engine);
    o.seconds = clock.nowMs() / 1000.0;
    return o;
}

// The engine on the real serial back end against rs232sim's UART, on the real clock, starting
// the real Holdpane for every candidate.
Outcome RealRun(const QString& baud, const QString& format) {
    SimProcess sim({"device", "--baud", baud, "--format", format, "--stream",
                    QString::fromLatin1(kTelemetry.toHex(' ')), "--interval", "500"});
    Outcome o;
    if (!sim.waitForPorts({"PORT"})) return o;
    qputenv("RS232_COM1", sim.port("PORT").toLocal8Bit());
    const std::unique_ptr<comm::SerialPort> port = comm::RealSerialPortFactory()();
    comm::ProgramHoldpaneStarter holdpane(QFileInfo(BuiltProgram("Holdpane")).absolutePath());
    comm::SettingsIdentifier engine(*port, comm::Clock::real(), holdpane);
    port->setCommPort(1);
    QEventLoop loop;
    QObject::connect(&engine, &comm::SettingsIdentifier::finished, &loop, &QEventLoop::quit);
    QObject::connect(&engine, &comm::SettingsIdentifier::failed, &loop, &QEventLoop::quit);
    const double cpu0 = benchcomm::ProcessCpuSeconds();
    const double wall0 = benchcomm::WallSeconds();
    engine.start();
    if (engine.isRunning()) loop.exec();
    const double cpu = benchcomm::ProcessCpuSeconds() - cpu0;
    const double wall = benchcomm::WallSeconds() - wall0;
    o = Summarise(engine);
    o.seconds = wall;
    o.cpuSeconds = cpu;
    return o;
}

// One candidate listening to a device that says nothing, on a pseudo-terminal.
double SilentListeningCpuPercent(int ms) {
    PtyLine line;
    if (!line.ok()) return -1;
    qputenv("RS232_COM1", line.slavePath().toLocal8Bit());
    const std::unique_ptr<comm::SerialPort> port = comm::RealSerialPortFactory()();
    NoHoldpane holdpane;
    comm::SettingsIdentifier engine(*port, comm::Clock::real(), holdpane);
    port->setCommPort(1);
    engine.setListenMs(ms + 1000);
    engine.start();
    benchcomm::RunFor(200);
    const double cpu0 = benchcomm::ProcessCpuSeconds();
    const double wall0 = benchcomm::WallSeconds();
    benchcomm::RunFor(ms);
    const double cpu = benchcomm::ProcessCpuSeconds() - cpu0;
    const double wall = benchcomm::WallSeconds() - wall0;
    engine.abort();
    return cpu * 100.0 / wall;
}

void HoldpaneFigures(int runs) {
    QList<double> ms;
    for (int i = 0; i < runs; ++i) {
        QProcess holdpane;
        const double t0 = benchcomm::WallSeconds();
        holdpane.start(BuiltProgram("Holdpane"), {});
        if (!holdpane.waitForFinished(10000) || holdpane.exitCode() != 0) {
            std::printf("  Holdpane did not end by itself with status 0\n");
            return;
        }
        ms << (benchcomm::WallSeconds() - t0) * 1000;
    }
    std::sort(ms.begin(), ms.end());
    rusage children{};
    ::getrusage(RUSAGE_CHILDREN, &children);
    std::printf(
        "  Holdpane start to exit: median %.0f ms, slowest %.0f ms over %d runs "
        "(its timer alone is 300 ms)\n",
        ms[ms.size() / 2], ms.last(), runs);
    std::printf("  Holdpane peak memory: %.1f MB resident\n", children.ru_maxrss / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    // Holdpane is a window program; without a display it runs on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));

    // First, while no other child has ended, so the peak memory is Holdpane's.
    std::printf("Holdpane\n");
    HoldpaneFigures(10);

    std::printf("\nWhole identification, 54 candidates of 10000 ms (worst case 540 s)\n");
    std::printf("  device sends \"T=21.5C RH=40%%\\r\\n\" every 500 ms\n");
    for (const char* device : {"115200,E,8,1", "9600,E,8,1", "1200,E,8,1"}) {
        const double wall0 = benchcomm::WallSeconds();
        const Outcome o = VirtualRun(QString::fromLatin1(device));
        std::printf(
            "  %-13s model, virtual clock: %6.1f s (%4.1f%% of 540 s), listed %s, first %s"
            "  [%.0f ms to compute]\n",
            device, o.seconds, o.seconds * 100 / 540, qPrintable(o.listed.join(' ')),
            qPrintable(o.first), (benchcomm::WallSeconds() - wall0) * 1000);
    }
    if (!quick) {
        for (const auto& [baud, format] :
             {std::pair{"115200", "8E1"}, std::pair{"9600", "8E1"}, std::pair{"1200", "8E1"}}) {
            const Outcome o = RealRun(QString::fromLatin1(baud), QString::fromLatin1(format));
            std::printf(
                "  %6s,%s rs232sim, real time: %6.1f s (%4.1f%% of 540 s), listed %s, "
                "first %s; CPU %.3f s = %.3f%% of a core\n",
                baud, format, o.seconds, o.seconds * 100 / 540, qPrintable(o.listed.join(' ')),
                qPrintable(o.first), o.cpuSeconds,
                o.seconds > 0 ? o.cpuSeconds * 100 / o.seconds : 0.0);
        }
    }

    std::printf("\nCPU while listening (goal: under 0.5%% of a core)\n");
    const double silent = SilentListeningCpuPercent(5000);
    std::printf("  one candidate, silent device, 5 s: %.3f%% of a core  %s\n", silent,
                silent < 0.5 ? "goal met" : "GOAL MISSED");
    return 0;
}
