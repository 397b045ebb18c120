#include "runreport.h"

#include <QJsonArray>
#include <QJsonObject>

#include "jsonwriter.h"
#include "output.h"
#include "runtext.h"
#include "texthelpers.h"

namespace cli {

namespace {

class TextReport : public RunReport {
public:
    void started(qint64) override {}
    void listing(const QString& text) override { Put(text); }
    void frameSent(int, const QByteArray&, qint64) override {}
    void frameReceived(int, const QByteArray&, const comm::FrameVerdict*, qint64) override {}
    void timeout(bool asked, const QByteArray& waiting, qint64) override {
        // What came short of a frame, when something did; asked on the terminal, the question
        // follows this line.
        const QString came = waiting.isEmpty() ? QString() : comm::WaitingText(waiting);
        if (!asked)
            Complain(came.isEmpty() ? comm::TimeoutQuestion()
                                    : comm::TimeoutQuestion() + QLatin1Char(' ') + came);
        else if (!came.isEmpty())
            Complain(came);
    }
    void judged(int good, int bad) override {
        Put(QStringLiteral("\r\n") + comm::JudgedCountsText(good, bad));
    }
    void lineEvent(int, const QString& message, qint64) override { Complain(message); }
    void error(const QString& message, qint64) override { Complain(message); }
    void finished(const QString&, int sent, int received, qint64 ms) override {
        Put(QStringLiteral("\r\n") + comm::RunSummaryText(sent, received, ms) +
            QStringLiteral("\r\n"));
    }
    void notStarted() override {}
};

JsonWriter Event(const char* name) {
    return JsonWriter().add(QStringLiteral("event"), QLatin1String(name));
}

// The event with its time: milliseconds since the run started.
JsonWriter At(JsonWriter event, qint64 ms) {
    event.add(QStringLiteral("t"), QJsonValue(ms));
    return event;
}

class JsonReport : public RunReport {
public:
    void started(qint64 ms) override { PutJson(At(Event("started"), ms)); }
    void listing(const QString&) override {}
    void frameSent(int frame, const QByteArray& bytes, qint64 ms) override {
        PutJson(At(Event("sent")
                       .add(QStringLiteral("frame"), frame)
                       .add(QStringLiteral("bytes"), comm::HexBytesText(bytes)),
                   ms));
    }
    void frameReceived(int frame, const QByteArray& bytes, const comm::FrameVerdict* verdict,
                       qint64 ms) override {
        JsonWriter event = Event("received")
                               .add(QStringLiteral("frame"), frame)
                               .add(QStringLiteral("bytes"), comm::HexBytesText(bytes));
        if (verdict) {
            event.add(QStringLiteral("match"), verdict->match);
            if (!verdict->match) event.add(QStringLiteral("differences"), Differences(*verdict));
        }
        PutJson(At(event, ms));
    }
    void timeout(bool, const QByteArray& waiting, qint64 ms) override {
        PutJson(
            At(Event("timeout").add(QStringLiteral("waiting"), comm::HexBytesText(waiting)), ms));
    }
    void judged(int good, int bad) override {
        good_ = good;
        bad_ = bad;
    }
    void lineEvent(int code, const QString& message, qint64 ms) override {
        PutJson(At(
            Event("line").add(QStringLiteral("code"), code).add(QStringLiteral("message"), message),
            ms));
    }
    void error(const QString& message, qint64 ms) override {
        PutJson(At(Event("error").add(QStringLiteral("message"), message), ms));
    }
    void finished(const QString& reason, int sent, int received, qint64 ms) override {
        JsonWriter event = Event("finished")
                               .add(QStringLiteral("sent"), sent)
                               .add(QStringLiteral("received"), received)
                               .add(QStringLiteral("seconds"), double(ms) / 1000.0)
                               .add(QStringLiteral("reason"), reason);
        if (good_ >= 0) event.add(QStringLiteral("good"), good_).add(QStringLiteral("bad"), bad_);
        PutJson(At(event, ms));
    }
    void notStarted() override { finished(QStringLiteral("error"), 0, 0, 0); }

private:
    static QJsonArray Differences(const comm::FrameVerdict& verdict) {
        static const char* const kFieldNames[] = {"start", "data", "check", "end"};
        QJsonArray out;
        for (const comm::FieldDifference& d : verdict.differences) {
            QStringList expected;
            for (int v : d.expected) expected << (v < 0 ? QStringLiteral("??") : comm::HexText(v));
            out.append(QJsonObject{
                {QStringLiteral("field"), QLatin1String(kFieldNames[static_cast<int>(d.field)])},
                {QStringLiteral("expected"), expected.join(QLatin1Char(' '))},
                {QStringLiteral("received"), comm::HexBytesText(d.received)}});
        }
        return out;
    }

    int good_ = -1;
    int bad_ = 0;
};

}  // namespace

std::unique_ptr<RunReport> MakeRunReport(bool json) {
    if (json) return std::make_unique<JsonReport>();
    return std::make_unique<TextReport>();
}

}  // namespace cli
