// The device watch: its CPU on an idle machine, and the time from a device node's arrival in /dev
// to the status bar panel naming it. The arriving node is a file the benchmark makes in /dev (it
// needs root); the scan adds it to the machine's own list, so the whole way (inotify, settling,
// scanning, the rule, the panel) is the one a plugged-in adapter takes.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "benchcomm.h"
#include "devicediscovery.h"
#include "mainwindow.h"
#include "portdirectory.h"
#include "statuspanels.h"

namespace {
const QString kNode = QStringLiteral("/dev/ttyBENCH%1");

QList<comm::SerialDevice> ScanWithBenchNodes() {
    QList<comm::SerialDevice> devices = comm::ScanSerialDevices();
    for (const QString& name :
         QDir(QStringLiteral("/dev"))
             .entryList({QStringLiteral("ttyBENCH*")}, QDir::System | QDir::Files)) {
        comm::SerialDevice d;
        d.path = QStringLiteral("/dev/") + name;
        d.description = QStringLiteral("Bench adapter");
        devices.prepend(d);
    }
    return devices;
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int idleMs = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    const int arrivals = argc > 2 ? QByteArray(argv[2]).toInt() : 10;

    QTemporaryDir dir;
    comm::SystemDeviceDiscovery discovery(nullptr, &ScanWithBenchNodes);
    if (!discovery.watching()) {
        std::fprintf(stderr, "no device watch on this platform\n");
        return 1;
    }
    comm::PortDirectory directory(&discovery, dir.filePath(QStringLiteral("b.ini")));
    comm::PortDirectory::install(&directory);
    comm::CommDefinition def;
    comm::MainWindow window(def, dir.path());
    QLabel* panel = window.statusPanels()->devicePanel();

    // Idle: the window is up, the watch is on, nothing comes or goes.
    const double cpu0 = benchcomm::ProcessCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    benchcomm::RunFor(idleMs);
    const double cpu = benchcomm::ProcessCpuSeconds() - cpu0;
    std::printf("%-52s %8.4f ms CPU per s (%.4f%% of a core) over %.1f s\n",
                "idle main window with the device watch", cpu * 1000 * 1000 / wall.elapsed(),
                cpu * 100 * 1000 / wall.elapsed(), wall.elapsed() / 1000.0);

    qint64 worst = 0, total = 0;
    int seen = 0;
    for (int i = 0; i < arrivals; ++i) {
        const QString node = kNode.arg(i);
        QElapsedTimer arrival;
        QFile file(node);
        arrival.start();
        if (!file.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot make %s (root is needed)\n", qPrintable(node));
            return 1;
        }
        file.close();
        const QString expected = QStringLiteral("ttyBENCH%1").arg(i);
        while (!panel->text().startsWith(expected) && arrival.elapsed() < 5000)
            benchcomm::RunFor(1);
        const qint64 ms = arrival.elapsed();
        QFile::remove(node);
        if (panel->text().startsWith(expected)) {
            ++seen;
            total += ms;
            worst = qMax(worst, ms);
        }
        benchcomm::RunFor(400);  // let the departure settle before the next arrival
    }
    std::printf("%-52s %8.1f ms average, %lld ms worst (%d of %d seen)\n",
                "device arrival to the status panel naming it", seen ? double(total) / seen : -1.0,
                worst, seen, arrivals);
    comm::PortDirectory::install(nullptr);
    return seen == arrivals ? 0 : 1;
}
