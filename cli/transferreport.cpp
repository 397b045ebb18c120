#include "transferreport.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "output.h"
#include "transfertext.h"

namespace cli {

namespace {

using Outcome = comm::TransferEngine::Outcome;

void put(const QString& text, FILE* stream) {
    Put(text, stream);
}

void putJson(const QJsonObject& object) {
    put(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + QLatin1Char('\n'),
        stdout);
}

int statusOf(Outcome outcome) {
    switch (outcome) {
        case Outcome::Completed:
            return kTransferDone;
        case Outcome::Stopped:
            return kTransferStopped;
        case Outcome::TimedOut:
            return kTransferTimedOut;
        case Outcome::Refused:
            return kTransferBadArguments;
        case Outcome::PortFailed:
            return kTransferPortFailed;
        case Outcome::Failed:
            break;
    }
    return kTransferBroken;
}

}  // namespace

TransferReport::TransferReport(comm::TransferEngine& engine, bool json)
    : engine_(engine), json_(json) {
    using E = comm::TransferEngine;
    QObject::connect(&engine, &E::headerDone, [this](const QString& name, qint64 size, int n) {
        name_ = name.trimmed();
        if (json_)
            putJson({{"event", "header"}, {"name", name_}, {"bytes", size}, {"frames", n}});
        else
            put(comm::transfer::NameText(name) + QStringLiteral("  ") +
                    comm::transfer::SizeText(size) + QStringLiteral("  ") +
                    comm::transfer::FrameCount(n) + QLatin1Char('\n'),
                stdout);
    });
    QObject::connect(&engine, &E::frameDone, [this](int n, int frames) {
        const int percent = comm::transfer::Percent(n, frames);
        if (json_)
            putJson({{"event", "frame"}, {"n", n}, {"percent", percent}});
        else
            put(comm::transfer::FrameLine(n, frames, percent) + QLatin1Char('\n'), stdout);
    });
    QObject::connect(&engine, &E::finished, [this](Outcome outcome, const QString& message) {
        onFinished(outcome, message);
    });
}

TransferReport::~TransferReport() = default;

void TransferReport::onFinished(Outcome outcome, const QString& message) {
    status_ = statusOf(outcome);
    const QString text = outcome == Outcome::PortFailed
                             ? WithPortProblem(message, engine_.port().failure())
                             : message;
    const QString sha = QString::fromLatin1(engine_.digest().toHex());
    if (json_) {
        QJsonObject event;
        if (outcome == Outcome::Completed) {
            event = {{"event", "done"},
                     {"name", name_},
                     {"bytes", engine_.doneBytes()},
                     {"sha256", sha}};
            if (!donePath_.isEmpty()) event.insert("path", QDir::toNativeSeparators(donePath_));
        } else if (outcome == Outcome::TimedOut) {
            event = {{"event", "timeout"}};
        } else if (outcome == Outcome::Stopped) {
            event = {{"event", "stopped"}};
        } else {
            event = {{"event", "error"}, {"message", text}};
        }
        putJson(event);
    } else if (outcome == Outcome::Completed) {
        put(text + QStringLiteral("  SHA-256: ") + sha + QLatin1Char('\n'), stdout);
        if (!donePath_.isEmpty())
            put(comm::transfer::PlaceText(QDir::toNativeSeparators(donePath_), true) +
                    QLatin1Char('\n'),
                stdout);
    } else {
        put(text + QLatin1Char('\n'), stderr);
    }
    QCoreApplication::exit(0);
}

int TransferReport::run(bool started) {
    if (!started) return status_;
    // The port is open and its stale input discarded: the far end may start now.
    stop_ = std::make_unique<comm::StopSignals>();
    QString error;
    if (stop_->install(&error))
        QObject::connect(stop_.get(), &comm::StopSignals::stopRequested,
                         [this] { engine_.stop(); });
    if (json_) putJson({{"event", "started"}});
    put(QStringLiteral("%1: %2\n").arg(engine_.port().deviceName(), engine_.port().settings()),
        stderr);
    QCoreApplication::exec();
    stop_.reset();
    return status_;
}

int TransferReport::fail(const QString& message, int status) {
    status_ = status;
    if (json_)
        putJson({{"event", "error"}, {"message", message}});
    else
        put(message + QLatin1Char('\n'), stderr);
    return status_;
}

}  // namespace cli
