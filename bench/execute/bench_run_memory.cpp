// Memory of long runs. First the bytes one kept record costs in the run's timed log, for frames
// cut from a large read buffer as the serial back end hands them out. Then a kind 3 run that
// loops for ever against a device answering at once, on the virtual clock (an hour takes
// seconds), through the engine alone (as comm-cli runs it) or through the execution window
// offscreen: resident memory after each simulated minute. Goals: under 200 bytes a record;
// resident memory within 5 MB of the first minute's for the rest of the hour.
//
//   bench_run_memory [minutes=60] [engine|window]
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <memory>

#include "benchcomm.h"
#include "executionwindow.h"
#include "memoryserialport.h"
#include "runengine.h"
#include "virtualclock.h"

namespace {

double ResidentMb() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(::sysconf(_SC_PAGESIZE)) / 1048576.0
                             : 0;
}

size_t HeapInUse() {
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}

void RecordCost() {
    constexpr int kRecords = comm::TimedLog::kDefaultLimit;
    for (const int frameLength : {3, 20}) {
        comm::TimedLog log;
        const size_t before = HeapInUse();
        for (int i = 0; i < kRecords; ++i) {
            // As a read that took a whole block of the back end's buffer returns it.
            QByteArray block;
            block.reserve(32 * 1024);
            block.append(QByteArray(frameLength, char(i)));
            log.append(i, comm::LogDirection::Received, block);
        }
        const double perRecord = double(HeapInUse() - before) / kRecords;
        std::printf(
            "timed log, %d records of %d bytes cut from 32 KB blocks: %.0f bytes a record"
            " (goal: under 200) %s\n",
            kRecords, frameLength, perRecord, perRecord < 200 ? "goal met" : "GOAL MISSED");
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int minutes = argc > 1 ? QByteArray(argv[1]).toInt() : 60;
    const bool window = argc > 2 && QByteArray(argv[2]) == "window";
    RecordCost();

    const QByteArray request("\x01\x03\x00\x00\x00\x0A\xC5\xCD", 8);
    const comm::CommDefinition def = benchcomm::Definition(3, request, 25);
    comm::CommOptions options;  // loop for ever, no limit on the wait
    comm::VirtualClock clock;
    comm::MemorySerialPort* port = nullptr;
    std::unique_ptr<comm::MemorySerialPort> ownPort;
    std::unique_ptr<comm::RunEngine> ownEngine;
    std::unique_ptr<comm::ExecutionWindow> form;
    comm::RunEngine* engine = nullptr;
    if (window) {
        comm::RunRequest r;
        r.definition = def;
        r.options = options;
        r.saved = true;
        form = std::make_unique<comm::ExecutionWindow>(
            r,
            [&port] {
                auto p = std::make_unique<comm::MemorySerialPort>();
                port = p.get();
                return std::unique_ptr<comm::SerialPort>(std::move(p));
            },
            clock);
        form->show();
        engine = form->engine();
    } else {
        ownPort = std::make_unique<comm::MemorySerialPort>();
        port = ownPort.get();
        ownEngine = std::make_unique<comm::RunEngine>(def, options, *port, clock);
        engine = ownEngine.get();
    }
    // The device answers every request at once with a 25-byte frame.
    const QByteArray answer(25, '\x5A');
    // Queued: the engine discards stale input right after it writes.
    QObject::connect(
        port, &comm::MemorySerialPort::bytesWritten, port,
        [port, &answer] {
            port->clearWritten();
            port->inject(answer);
        },
        Qt::QueuedConnection);
    if (engine->start() != comm::RunEngine::StartResult::Started) {
        std::fprintf(stderr, "the run did not start\n");
        return 1;
    }
    std::printf(
        "kind 3, loop for ever, 8-byte request, 25-byte answer at once, virtual clock, %s\n",
        window ? "execution window offscreen" : "engine alone (as comm-cli)");
    double first = 0, highest = 0;
    const double cpu0 = benchcomm::ProcessCpuSeconds();
    for (int minute = 1; minute <= minutes; ++minute) {
        clock.advance(60 * 1000);
        QCoreApplication::processEvents();
        const double rss = ResidentMb();
        if (minute == 1) first = rss;
        highest = qMax(highest, rss);
        if (minute == 1 || minute % 10 == 0)
            std::printf("  minute %3d: %7d exchanges, %6lld log records, RSS %.1f MB\n", minute,
                        engine->sentCount(), qint64(engine->log().records().size()), rss);
    }
    const double growth = highest - first;
    std::printf("  growth after the first minute: %.1f MB (goal: within 5 MB) %s; %.1f s of CPU\n",
                growth, growth <= 5 ? "goal met" : "GOAL MISSED",
                benchcomm::ProcessCpuSeconds() - cpu0);
    engine->stop();
    return 0;
}
