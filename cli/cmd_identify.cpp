#include <QCoreApplication>
#include <QJsonArray>

#include "candidates.h"
#include "clock.h"
#include "commands.h"
#include "evidence.h"
#include "holdpanestarter.h"
#include "identifytext.h"
#include "jsonwriter.h"
#include "options.h"
#include "output.h"
#include "portargument.h"
#include "portmap.h"
#include "settingsidentifier.h"
#include "stopsignals.h"
#include "verdict.h"

using comm::SettingsIdentifier;

namespace cli {

namespace {

// Status 2 is for arguments it cannot take (kUsage).
enum Exit { kDone = 0, kDeviceLost = 1, kPortFailed = 3 };

constexpr qint64 kDayMs = 24LL * 3600 * 1000;

// A terminal has no desktop for Holdpane to hold a pane on: nothing is started.
class NoHoldpane : public comm::HoldpaneStarter {
public:
    bool start(QString*) override { return true; }
};

struct IdentifyArgs {
    PortArgument port;
    int listenMs = SettingsIdentifier::kListenMs;
    bool all = false;
    bool json = false;
};

// False with the reason in *why.
bool parse(const QStringList& args, IdentifyArgs* a, QString* why) {
    Options o(args, {QStringLiteral("--port"), QStringLiteral("--listen-ms")});
    a->all = o.flag(QStringLiteral("--all"));
    a->json = o.flag(QStringLiteral("--json"));
    TakePortArgument(o, &a->port);
    if (const std::optional<QString> text = o.value(QStringLiteral("--listen-ms"))) {
        bool ok = false;
        const qint64 ms = text->toLongLong(&ok);
        if (!ok || ms <= 0 || ms > kDayMs)
            o.refuse(QStringLiteral("--listen-ms must be a whole number from 1 to %1, not \"%2\"")
                         .arg(kDayMs)
                         .arg(*text));
        else
            a->listenMs = int(ms);
    }
    o.expectPlain(0, QString());
    *why = o.problem();
    return why->isEmpty();
}

JsonWriter listedJson(const comm::ListedCandidate& c) {
    const comm::CandidateEvidence& e = c.evidence;
    JsonWriter o;
    o.add("event", "listed")
        .add("settings", c.settings)
        .add("bytes", comm::RecordText(c.bytes))
        .add("received", e.received)
        .add("capacity", e.capacity)
        .add("textShare", e.textShare)
        .add("tooWide", e.tooWide)
        .add("errors", e.errorsKnown ? QJsonValue(e.errorsSeen) : QJsonValue(QJsonValue::Null));
    return o;
}

}  // namespace

int identify(const QStringList& args) {
    IdentifyArgs a;
    QString why;
    if (!parse(args, &a, &why)) return BadArguments(why);

    const std::unique_ptr<comm::SerialPort> port = MakePort(a.port);
    NoHoldpane holdpane;
    SettingsIdentifier engine(*port, comm::Clock::real(), holdpane);
    engine.setListenMs(a.listenMs);
    if (a.all) engine.setLists(comm::CandidateLists::extended());
    int exitCode = kDone;

    QObject::connect(
        &engine, &SettingsIdentifier::candidateStarted,
        [&a](int, const std::array<int, 4>&, const QString& settings) {
            if (a.json) PutJson(JsonWriter().add("event", "candidate").add("settings", settings));
        });
    QObject::connect(
        &engine, &SettingsIdentifier::candidateListed, [&a](const comm::ListedCandidate& c) {
            if (a.json)
                PutJson(listedJson(c));
            else
                Put(c.settings + QLatin1Char('\t') + comm::RecordText(c.bytes) + QLatin1Char('\n'));
        });
    QObject::connect(&engine, &SettingsIdentifier::candidateRejected,
                     [&a](const QString& settings, int code) {
                         if (a.json)
                             PutJson(JsonWriter()
                                         .add("event", "rejected")
                                         .add("settings", settings)
                                         .add("code", code));
                     });
    QObject::connect(&engine, &SettingsIdentifier::lineErrorsUnreported,
                     [] { Complain(comm::ErrorsUnreportedWarning()); });
    QObject::connect(&engine, &SettingsIdentifier::stopped,
                     [] { Complain(comm::IdentifyStoppedMessage()); });
    QObject::connect(&engine, &SettingsIdentifier::finished, [&](int count) {
        const QList<comm::ListedCandidate>& listed = engine.listed();
        QJsonArray ranked;
        int rank = 0;
        for (int i : engine.ranking()) {
            ranked.append(listed[i].settings);
            if (!a.json)
                Put(QStringLiteral("#%1\t%2\t%3\n")
                        .arg(++rank)
                        .arg(listed[i].settings, comm::EvidenceText(listed[i].evidence)));
        }
        const comm::Verdict& verdict = engine.verdict();
        const QString kind = comm::VerdictKindName(verdict.kind);
        if (a.json)
            PutJson(JsonWriter()
                        .add("event", "finished")
                        .add("count", count)
                        .add("ranked", ranked)
                        .add("verdict",
                             JsonWriter()
                                 .add("kind", kind)
                                 .add("settings", QJsonArray::fromStringList(verdict.settings))));
        else
            Put(QStringLiteral("VERDICT\t%1\t%2\n").arg(kind, verdict.settings.join(' ')));
        Complain(comm::IdentifyFinishedMessage(count));
        Complain(comm::VerdictText(verdict));
        QCoreApplication::exit(0);
    });
    QObject::connect(
        &engine, &SettingsIdentifier::failed,
        [&](SettingsIdentifier::Failure failure, const QString& reason) {
            const QString text = failure == SettingsIdentifier::Failure::HoldpaneFailed
                                     ? WithReason(comm::BusyPortMessage(), reason)
                                     : WithPortProblem(comm::BusyPortMessage(), port->failure());
            if (a.json)
                PutJson(JsonWriter().add("event", "error").add("message", text));
            else
                Complain(text);
            exitCode =
                failure == SettingsIdentifier::Failure::DeviceLost ? kDeviceLost : kPortFailed;
            QCoreApplication::exit(0);
        });
    // SIGINT and SIGTERM press the stop button: the current candidate closes unlisted.
    comm::StopSignals stop;
    QString problem;
    if (!stop.install(&problem)) Complain(problem);
    QObject::connect(&stop, &comm::StopSignals::stopRequested, &engine, &SettingsIdentifier::stop);

    engine.start();
    if (engine.isRunning()) QCoreApplication::exec();
    return exitCode;
}

}  // namespace cli
