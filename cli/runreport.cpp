#include "runreport.h"

#include <QStringList>

#include "jsonwriter.h"
#include "output.h"
#include "runtext.h"
#include "texthelpers.h"

namespace cli {

namespace {

class TextReport : public RunReport {
public:
    void started() override {}
    void listing(const QString& text) override { Put(text); }
    void frameSent(int) override {}
    void frameReceived(int, const QByteArray&) override {}
    void timeout(bool asked) override {
        if (!asked) Complain(comm::kTimeoutQuestion);
    }
    void lineEvent(int, const QString& message) override { Complain(message); }
    void error(const QString& message) override { Complain(message); }
    void finished(const QString&, int sent, int received, qint64 ms) override {
        Put(QStringLiteral("\r\n发送：%1  接收：%2  执行时间：%3\r\n")
                .arg(comm::CounterText(sent), comm::CounterText(received), comm::ElapsedText(ms)));
    }
    void notStarted() override {}
};

JsonWriter Event(const char* name) {
    return JsonWriter().add(QStringLiteral("event"), QLatin1String(name));
}

QString HexBytes(const QByteArray& bytes) {
    QStringList parts;
    for (char b : bytes) parts << comm::HexText(quint8(b));
    return parts.join(QLatin1Char(' '));
}

class JsonReport : public RunReport {
public:
    void started() override { PutJson(Event("started")); }
    void listing(const QString&) override {}
    void frameSent(int frame) override {
        PutJson(Event("sent").add(QStringLiteral("frame"), frame));
    }
    void frameReceived(int frame, const QByteArray& bytes) override {
        PutJson(Event("received")
                    .add(QStringLiteral("frame"), frame)
                    .add(QStringLiteral("bytes"), HexBytes(bytes)));
    }
    void timeout(bool) override { PutJson(Event("timeout")); }
    void lineEvent(int code, const QString& message) override {
        PutJson(Event("line")
                    .add(QStringLiteral("code"), code)
                    .add(QStringLiteral("message"), message));
    }
    void error(const QString& message) override {
        PutJson(Event("error").add(QStringLiteral("message"), message));
    }
    void finished(const QString& reason, int sent, int received, qint64 ms) override {
        PutJson(Event("finished")
                    .add(QStringLiteral("sent"), sent)
                    .add(QStringLiteral("received"), received)
                    .add(QStringLiteral("seconds"), double(ms) / 1000.0)
                    .add(QStringLiteral("reason"), reason));
    }
    void notStarted() override { finished(QStringLiteral("error"), 0, 0, 0); }
};

}  // namespace

std::unique_ptr<RunReport> MakeRunReport(bool json) {
    if (json) return std::make_unique<JsonReport>();
    return std::make_unique<TextReport>();
}

}  // namespace cli
