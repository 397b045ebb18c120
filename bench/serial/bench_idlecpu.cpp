// CPU spent while nothing happens: an open port waiting on a silent line, the simulator between
// bytes, and a port whose device went away (which must not spin on repeated errors).
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <memory>

#include "benchcomm.h"
#include "qtserialportbackend.h"
#include "simprocess.h"

using comm::SerialPort;

namespace {
double OwnCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ProcessCpuSeconds(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray text = stat.readAll();
    // Fields after the parenthesised name; utime and stime are the 14th and 15th.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) return -1;
    return (fields[11].toDouble() + fields[12].toDouble()) / double(::sysconf(_SC_CLK_TCK));
}

void Report(const char* what, double cpuSeconds, double wallSeconds) {
    std::printf("%-52s %8.3f ms CPU per s (%.2f%%)\n", what, cpuSeconds * 1000 / wallSeconds,
                cpuSeconds * 100 / wallSeconds);
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ms = argc > 1 ? QByteArray(argv[1]).toInt() : 3000;
    const double wall = ms / 1000.0;

    SimProcess sim({"pair"});
    if (!sim.waitForPorts({"A", "B"})) {
        std::fprintf(stderr, "rs232sim did not start\n");
        return 1;
    }
    qputenv("RS232_COM1", sim.port("A").toLocal8Bit());
    auto port = std::make_unique<comm::QtSerialPortBackend>();
    port->setCommPort(1);
    if (!port->setPortOpen(true)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(sim.port("A")));
        return 1;
    }
    int lost = 0;
    QObject::connect(port.get(), &SerialPort::deviceLost, [&lost] { ++lost; });

    double own = OwnCpuSeconds();
    double simCpu = ProcessCpuSeconds(sim.process().processId());
    benchcomm::RunFor(ms);
    Report("open port on a silent line (this process)", OwnCpuSeconds() - own, wall);
    Report("rs232sim pair, idle", ProcessCpuSeconds(sim.process().processId()) - simCpu, wall);

    SimProcess streaming({"device", "--stream", "55", "--interval", "10", "--baud", "9600"});
    if (streaming.waitForPorts({"PORT"})) {
        simCpu = ProcessCpuSeconds(streaming.process().processId());
        benchcomm::RunFor(ms);
        Report("rs232sim device streaming every 10 ms, port closed",
               ProcessCpuSeconds(streaming.process().processId()) - simCpu, wall);
    }

    sim.stop(SIGKILL);  // the far end vanishes without warning
    benchcomm::RunFor(200);
    own = OwnCpuSeconds();
    benchcomm::RunFor(ms);
    Report("port after its device vanished (this process)", OwnCpuSeconds() - own, wall);
    std::printf("deviceLost raised %d time(s); port open afterwards: %s\n", lost,
                port->portOpen() ? "yes" : "no");
    return 0;
}
