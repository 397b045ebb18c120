#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <memory>
#include <optional>

#include "commands.h"
#include "commoptions.h"
#include "options.h"
#include "output.h"
#include "portargument.h"
#include "runengine.h"
#include "runreport.h"
#include "runtext.h"
#include "stopsignals.h"
#include "txlfile.h"

using comm::RunEngine;

namespace cli {

namespace {

// Status 2 is also for arguments it cannot take (kUsage).
enum Exit {
    kDone = 0,
    kIncomplete = 1,
    kBadFile = 2,
    kPortFailed = 3,
    kLineFailed = 4,
    kGaveUp = 5,    // --on-timeout stop ended the run on the receive limit
    kMismatch = 7,  // --check and a received frame was not the receive frame
};

enum class OnTimeout { Ask, Continue, Stop };

struct RunArgs {
    QString file;
    PortArgument port;
    OnTimeout onTimeout = OnTimeout::Ask;
    bool json = false;
    comm::ReceiveRules rules;
};

// False with the reason in *why.
bool ParseRunArgs(const QStringList& args, RunArgs* r, QString* why) {
    Options o(args, {QStringLiteral("--port"), QStringLiteral("--on-timeout"),
                     QStringLiteral("--gap-chars")});
    r->json = o.flag(QStringLiteral("--json"));
    r->rules.check = o.flag(QStringLiteral("--check"));
    r->rules.sync = o.flag(QStringLiteral("--sync"));
    if (const std::optional<QString> gap = o.value(QStringLiteral("--gap-chars"))) {
        bool ok = false;
        r->rules.gapChars = gap->toDouble(&ok);
        // A gap of more than a thousand characters is no gap between frames.
        if (!ok || r->rules.gapChars <= 0.0 || r->rules.gapChars > 1000.0)
            o.refuse(QStringLiteral("--gap-chars must be a number of characters above 0 and up "
                                    "to 1000, not \"%1\"")
                         .arg(*gap));
    }
    TakePortArgument(o, &r->port);
    if (const std::optional<QString> answer = o.value(QStringLiteral("--on-timeout"))) {
        if (*answer == QLatin1String("ask"))
            r->onTimeout = OnTimeout::Ask;
        else if (*answer == QLatin1String("continue"))
            r->onTimeout = OnTimeout::Continue;
        else if (*answer == QLatin1String("stop"))
            r->onTimeout = OnTimeout::Stop;
        else
            o.refuse(QStringLiteral("--on-timeout must be ask, continue or stop, not \"%1\"")
                         .arg(*answer));
    }
    if (o.expectPlain(1, QStringLiteral("FILE.Txl"))) r->file = o.plain().first();
    *why = o.problem();
    return why->isEmpty();
}

const char* ReasonName(RunEngine::FinishReason reason) {
    switch (reason) {
        case RunEngine::FinishReason::Count:
            return "count";
        case RunEngine::FinishReason::Stopped:
            return "stopped";
        case RunEngine::FinishReason::Timeout:
            return "timeout";
        case RunEngine::FinishReason::LineEvent:
            return "line";
        case RunEngine::FinishReason::DeviceLost:
        case RunEngine::FinishReason::Failure:
            break;
    }
    return "error";
}

// The time-out question asked on the terminal; the answer comes through the event loop, so a
// stop signal still gets through while the question waits.
class TimeoutPrompt {
public:
    explicit TimeoutPrompt(RunEngine* engine) : engine_(engine) {}
    void ask() {
        Put(comm::TimeoutQuestion() + QStringLiteral(" [y/N] "), stderr);
        if (!notifier_) {
            notifier_ = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
            QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { onInput(); });
        }
        notifier_->setEnabled(true);
    }

private:
    void onInput() {
        char c = 0;
        const ssize_t n = ::read(STDIN_FILENO, &c, 1);
        if (n == 1 && c != '\n') {
            line_ += c;
            return;
        }
        // A line, or the end of the input (which answers Cancel).
        notifier_->setEnabled(false);
        const QString answer = QString::fromUtf8(line_).trimmed().toLower();
        line_.clear();
        // Besides y and yes, the word on the Chinese box's OK button, in either language.
        const bool ok = answer == QLatin1String("y") || answer == QLatin1String("yes") ||
                        answer == QStringLiteral("确定");  // untranslated: typed input, not shown
        engine_->answerTimeout(n == 1 && ok);
    }

    RunEngine* engine_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QByteArray line_;
};

// Runs the communication on the port until the engine finishes, telling `report` what happens;
// returns the exit status.
int Execute(const RunArgs& a, const comm::CommDefinition& def, RunReport& report) {
    const std::unique_ptr<comm::SerialPort> serial = MakePort(a.port);
    RunEngine engine(def, comm::OptionsFromFile(def), *serial, comm::Clock::real());
    engine.setReceiveRules(a.rules);
    // SIGINT, SIGTERM and SIGHUP press the stop button, so the run ends through the engine.
    comm::StopSignals stop;
    QString problem;
    if (!stop.install(&problem)) Complain(problem);
    QObject::connect(&stop, &comm::StopSignals::stopRequested, &engine, &RunEngine::stop);
    TimeoutPrompt prompt(&engine);
    int exitCode = kDone;

    QObject::connect(&engine, &RunEngine::sendListingAppended,
                     [&](const QString& text) { report.listing(text); });
    QObject::connect(&engine, &RunEngine::receiveListingAppended,
                     [&](const QString& text) { report.listing(text); });
    QObject::connect(&engine, &RunEngine::frameSent,
                     [&](int n, qint64 ms) { report.frameSent(n, engine.sendFrame(), ms); });
    // The verdict comes just before the frame it is about.
    std::optional<comm::FrameVerdict> verdict;
    QObject::connect(&engine, &RunEngine::frameJudged,
                     [&](int, const comm::FrameVerdict& v) { verdict = v; });
    QObject::connect(&engine, &RunEngine::frameReceived,
                     [&](int n, const QByteArray& bytes, qint64 ms) {
                         report.frameReceived(n, bytes, verdict ? &*verdict : nullptr, ms);
                         if (verdict && !verdict->match) exitCode = kMismatch;
                         verdict.reset();
                     });
    QObject::connect(&engine, &RunEngine::timeoutQuestion, [&] {
        report.timeout(a.onTimeout == OnTimeout::Ask, engine.waitingAtTimeout(),
                       engine.elapsedMs());
        if (a.onTimeout == OnTimeout::Ask)
            prompt.ask();
        else
            engine.answerTimeout(a.onTimeout == OnTimeout::Continue);
    });
    QObject::connect(&engine, &RunEngine::lineEvent, [&](int code, const QString& message) {
        exitCode = kLineFailed;
        report.lineEvent(code, message, engine.elapsedMs());
    });
    const auto fail = [&](const QString& message, int code) {
        report.error(message, engine.elapsedMs());
        exitCode = code;
    };
    QObject::connect(&engine, &RunEngine::refused, [&](const QString& message) {
        fail(message, message == comm::IncompleteMessage() ? kIncomplete : kBadFile);
    });
    QObject::connect(&engine, &RunEngine::failed, [&](int code, const QString& message) {
        if (code == comm::SerialPort::kOpenFailure)
            fail(WithPortProblem(message, serial->failure()), kPortFailed);
        else
            fail(message, kLineFailed);
    });
    QObject::connect(&engine, &RunEngine::finished, [&](RunEngine::FinishReason reason, qint64 ms) {
        if (reason == RunEngine::FinishReason::Timeout && a.onTimeout == OnTimeout::Stop &&
            (exitCode == kDone || exitCode == kMismatch))
            exitCode = kGaveUp;
        if (a.rules.check) report.judged(engine.goodCount(), engine.badCount());
        report.finished(QLatin1String(ReasonName(reason)), engine.sentCount(),
                        engine.receivedCount(), ms);
        QCoreApplication::exit(0);
    });

    const RunEngine::StartResult started = engine.start();
    if (started == RunEngine::StartResult::NoKind) fail(comm::NoKindMessage(), kBadFile);
    if (started != RunEngine::StartResult::Started) {
        report.notStarted();
        return exitCode;
    }
    report.started(engine.elapsedMs());
    QCoreApplication::exec();
    return exitCode;
}

}  // namespace

int run(const QStringList& args) {
    RunArgs a;
    QString why;
    if (!ParseRunArgs(args, &a, &why)) return BadArguments(why);
    comm::CommDefinition def;
    QString error;
    if (comm::ReadCommFile(a.file, &def, &error) != comm::ReadStatus::Ok) {
        Complain(error);
        return kBadFile;
    }
    // As a document window built from this file: its kind and the options it stores.
    def.CommKind = def.FileCommKind;
    const std::unique_ptr<RunReport> report = MakeRunReport(a.json);
    return Execute(a, def, *report);
}

}  // namespace cli
