#include "runreport.h"

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
    void frameSent(int, qint64) override {}
    void frameReceived(int, const QByteArray&, qint64) override {}
    void timeout(bool asked, qint64) override {
        if (!asked) Complain(comm::kTimeoutQuestion);
    }
    void lineEvent(int, const QString& message, qint64) override { Complain(message); }
    void error(const QString& message, qint64) override { Complain(message); }
    void finished(const QString&, int sent, int received, qint64 ms) override {
        Put(QStringLiteral("\r\n发送：%1  接收：%2  执行时间：%3\r\n")
                .arg(comm::CounterText(sent), comm::CounterText(received), comm::ElapsedText(ms)));
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
    void frameSent(int frame, qint64 ms) override {
        PutJson(At(Event("sent").add(QStringLiteral("frame"), frame), ms));
    }
    void frameReceived(int frame, const QByteArray& bytes, qint64 ms) override {
        PutJson(At(Event("received")
                       .add(QStringLiteral("frame"), frame)
                       .add(QStringLiteral("bytes"), comm::HexBytesText(bytes)),
                   ms));
    }
    void timeout(bool, qint64 ms) override { PutJson(At(Event("timeout"), ms)); }
    void lineEvent(int code, const QString& message, qint64 ms) override {
        PutJson(At(
            Event("line").add(QStringLiteral("code"), code).add(QStringLiteral("message"), message),
            ms));
    }
    void error(const QString& message, qint64 ms) override {
        PutJson(At(Event("error").add(QStringLiteral("message"), message), ms));
    }
    void finished(const QString& reason, int sent, int received, qint64 ms) override {
        PutJson(At(Event("finished")
                       .add(QStringLiteral("sent"), sent)
                       .add(QStringLiteral("received"), received)
                       .add(QStringLiteral("seconds"), double(ms) / 1000.0)
                       .add(QStringLiteral("reason"), reason),
                   ms));
    }
    void notStarted() override { finished(QStringLiteral("error"), 0, 0, 0); }
};

}  // namespace

std::unique_ptr<RunReport> MakeRunReport(bool json) {
    if (json) return std::make_unique<JsonReport>();
    return std::make_unique<TextReport>();
}

}  // namespace cli
