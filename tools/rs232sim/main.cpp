// rs232sim: virtual serial lines for trying the program without hardware and for its tests.
#include <QCoreApplication>
#include <cstdio>
#include <memory>
#include <random>

#include "linechannel.h"
#include "ptyend.h"
#include "simdevice.h"
#include "simoptions.h"
#include "stopsignals.h"

using namespace rs232sim;

namespace {
void Say(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

int Fail(const QString& message) {
    std::fprintf(stderr, "rs232sim: %s\n", qPrintable(message));
    return 1;
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SimCommand command;
    const QString error = ParseSimArguments(app.arguments().mid(1), &command);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "rs232sim: %s\n%s", qPrintable(error), qPrintable(Synopsis()));
        return 2;
    }
    if (command.kind == SimCommand::Kind::Help) {
        std::fputs(qPrintable(Usage()), stdout);
        return 0;
    }

    comm::StopSignals stop;
    QString problem;
    if (!stop.install(&problem)) return Fail(problem);
    QObject::connect(&stop, &comm::StopSignals::stopRequested, &app, [&app] { app.quit(); });

    // Declared before the objects that use their descriptors, so those go first.
    PtyEnd a;
    PtyEnd b;
    std::unique_ptr<QObject> running;
    if (command.kind == SimCommand::Kind::Pair) {
        const PairOptions& o = command.pair;
        if (!a.open(o.linkA, &problem) || !b.open(o.linkB, &problem)) return Fail(problem);
        const quint64 seed = o.seed ? *o.seed : std::random_device{}();
        const int bits = o.timing.format.dataBits;
        const qint64 ns = o.timing.characterNs();
        running = std::make_unique<QObject>();
        // Each direction has its own faults, both fixed by the one seed.
        new LineChannel(a.master(), b.master(), ns, LineImpairment(o.corrupt, o.drop, seed, bits),
                        running.get());
        new LineChannel(b.master(), a.master(), ns,
                        LineImpairment(o.corrupt, o.drop, seed + 1, bits), running.get());
        Say(QStringLiteral("A %1").arg(a.path()));
        Say(QStringLiteral("B %1").arg(b.path()));
    } else {
        if (!a.open(command.device.link, &problem)) return Fail(problem);
        running = std::make_unique<SimDevice>(a.master(), command.device);
        Say(QStringLiteral("PORT %1").arg(a.path()));
    }
    const int rc = app.exec();
    running.reset();
    return rc;
}
