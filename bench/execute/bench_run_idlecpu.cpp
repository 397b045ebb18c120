// CPU a run spends while it waits for a silent device: the run engine on the real serial back end
// over a pseudo-terminal whose far end says nothing. Goal: under 1% of one core.
#include <QCoreApplication>
#include <cstdio>
#include <memory>

#include "benchcomm.h"
#include "ptyline.h"
#include "runengine.h"
#include "serialfactory.h"

namespace {

struct Case {
    const char* what;
    int kind;
    int limitMs;  // 0: no limit
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ms = argc > 1 ? QByteArray(argv[1]).toInt() : 5000;
    const Case cases[] = {
        {"kind 2, no time limit", 2, 0},
        {"kind 2, limit 3000 ms (one question, answered OK)", 2, 3000},
        {"kind 3, waiting for the answer, no limit", 3, 0},
        {"kind 4, waiting for the device's frame", 4, 0},
    };
    std::printf("CPU while a run waits %.1f s for a silent device (goal: under 1%% of a core)\n",
                ms / 1000.0);
    int worse = 0;
    for (const Case& c : cases) {
        PtyLine line;
        if (!line.ok()) {
            std::fprintf(stderr, "no pseudo-terminal\n");
            return 1;
        }
        qputenv("RS232_COM1", line.slavePath().toLocal8Bit());
        const std::unique_ptr<comm::SerialPort> port = comm::RealSerialPortFactory()();
        port->setCommPort(1);
        comm::CommOptions options;
        options.noWait = c.limitMs == 0;
        options.waitText = QString::number(c.limitMs);
        comm::RunEngine engine(benchcomm::Definition(c.kind, QByteArray(8, '\x55'), 8), options,
                               *port, comm::Clock::real());
        int questions = 0;
        QObject::connect(&engine, &comm::RunEngine::timeoutQuestion, [&] {
            ++questions;
            engine.answerTimeout(true);
        });
        if (engine.start() != comm::RunEngine::StartResult::Started) {
            std::fprintf(stderr, "%s: the run did not start\n", c.what);
            return 1;
        }
        benchcomm::RunFor(100);  // settle: kind 3 sends its frame after 100 ms
        const double cpu0 = benchcomm::ProcessCpuSeconds();
        const double wall0 = benchcomm::WallSeconds();
        benchcomm::RunFor(ms);
        const double cpu = benchcomm::ProcessCpuSeconds() - cpu0;
        const double wall = benchcomm::WallSeconds() - wall0;
        const double percent = cpu * 100.0 / wall;
        engine.stop();
        std::printf("  %-52s %8.3f ms CPU in %.2f s = %6.3f%% of a core%s\n", c.what, cpu * 1000,
                    wall, percent, questions ? "  (asked)" : "");
        if (percent >= 1.0) ++worse;
    }
    std::printf("%s\n", worse ? "GOAL MISSED" : "goal met");
    return 0;
}
