#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>
#include <memory>

#include "commands.h"
#include "commoptions.h"
#include "portmap.h"
#include "runengine.h"
#include "runtext.h"
#include "serialfactory.h"
#include "stopsignal.h"
#include "texthelpers.h"
#include "txlfile.h"

using comm::RunEngine;

namespace cli {

namespace {

const char kRunUsage[] =
    "usage: comm-cli run FILE.Txl --port N|PATH [--on-timeout ask|continue|stop] [--json]\n";

enum Exit { kDone = 0, kIncomplete = 1, kBadFile = 2, kPortFailed = 3, kLineFailed = 4 };

void put(const QString& text, FILE* stream = stdout) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

QString jsonText(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + QString(c);
        else if (c.unicode() < 0x20)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString hexBytes(const QByteArray& bytes) {
    QStringList parts;
    for (char b : bytes) parts << comm::HexText(quint8(b));
    return parts.join(QLatin1Char(' '));
}

const char* reasonName(RunEngine::FinishReason reason) {
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
        put(comm::kTimeoutQuestion + QStringLiteral(" [y/N] "), stderr);
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
        engine_->answerTimeout(n == 1 &&
                               (answer == QLatin1String("y") || answer == QLatin1String("yes") ||
                                answer == QStringLiteral("确定")));
    }

    RunEngine* engine_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QByteArray line_;
};

}  // namespace

int run(const QStringList& args) {
    QString file, port, onTimeout = QStringLiteral("ask");
    bool json = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--json")) {
            json = true;
        } else if (a == QLatin1String("--port") && i + 1 < args.size()) {
            port = args[++i];
        } else if (a == QLatin1String("--on-timeout") && i + 1 < args.size()) {
            onTimeout = args[++i];
        } else if (!a.startsWith(QLatin1String("--")) && file.isEmpty()) {
            file = a;
        } else {
            put(QString::fromLatin1(kRunUsage), stderr);
            return kBadFile;
        }
    }
    const QStringList answers = {QStringLiteral("ask"), QStringLiteral("continue"),
                                 QStringLiteral("stop")};
    if (file.isEmpty() || port.isEmpty() || !answers.contains(onTimeout)) {
        put(QString::fromLatin1(kRunUsage), stderr);
        return kBadFile;
    }

    comm::CommDefinition def;
    QString error;
    if (comm::ReadCommFile(file, &def, &error) != comm::ReadStatus::Ok) {
        put(error + QLatin1Char('\n'), stderr);
        return kBadFile;
    }
    // As a document window built from this file: its kind and the options it stores.
    def.CommKind = def.FileCommKind;
    const comm::CommOptions options = comm::OptionsFromFile(def);

    bool isNumber = false;
    int portNumber = port.toInt(&isNumber);
    if (!isNumber || portNumber < comm::kFirstPort || portNumber > comm::kLastPort) {
        // A device path stands in for port 1, the way RS232_COM1 maps it in the program.
        qputenv("RS232_COM1", port.toLocal8Bit());
        portNumber = comm::kFirstPort;
    }
    const std::unique_ptr<comm::SerialPort> serial = comm::RealSerialPortFactory()();
    serial->setCommPort(portNumber);

    RunEngine engine(def, options, *serial);
    // SIGINT and SIGTERM press the stop button, so the run ends through the engine like any stop.
    const StopSignal stopSignal([&engine] { engine.stop(); });
    TimeoutPrompt prompt(&engine);
    int exitCode = kDone;

    QObject::connect(&engine, &RunEngine::sendListingAppended, [json](const QString& text) {
        if (!json) put(text);
    });
    QObject::connect(&engine, &RunEngine::receiveListingAppended, [json](const QString& text) {
        if (!json) put(text);
    });
    if (json) {
        QObject::connect(&engine, &RunEngine::frameSent, [](int n) {
            put(QStringLiteral("{\"event\":\"sent\",\"frame\":%1}\n").arg(n));
        });
        QObject::connect(&engine, &RunEngine::frameReceived, [](int n, const QByteArray& bytes) {
            put(QStringLiteral("{\"event\":\"received\",\"frame\":%1,\"bytes\":\"%2\"}\n")
                    .arg(n)
                    .arg(hexBytes(bytes)));
        });
    }
    QObject::connect(&engine, &RunEngine::timeoutQuestion, [&] {
        if (json) put(QStringLiteral("{\"event\":\"timeout\"}\n"));
        if (onTimeout == QLatin1String("ask")) {
            prompt.ask();
        } else {
            if (!json) put(comm::kTimeoutQuestion + QLatin1Char('\n'), stderr);
            engine.answerTimeout(onTimeout == QLatin1String("continue"));
        }
    });
    QObject::connect(&engine, &RunEngine::lineEvent, [&](int code, const QString& message) {
        exitCode = kLineFailed;
        if (json)
            put(QStringLiteral("{\"event\":\"line\",\"code\":%1,\"message\":%2}\n")
                    .arg(code)
                    .arg(jsonText(message)));
        else
            put(message + QLatin1Char('\n'), stderr);
    });
    const auto reportError = [&](const QString& message, int code) {
        if (json)
            put(QStringLiteral("{\"event\":\"error\",\"message\":%1}\n").arg(jsonText(message)));
        else
            put(message + QLatin1Char('\n'), stderr);
        exitCode = code;
    };
    QObject::connect(&engine, &RunEngine::refused, [&](const QString& message) {
        reportError(message, message == comm::kIncompleteMessage ? kIncomplete : kBadFile);
    });
    QObject::connect(&engine, &RunEngine::failed, [&](int code, const QString& message) {
        QString text = message;
        if (code == comm::SerialPort::kOpenFailure && !serial->failure().reason.isEmpty())
            text += QStringLiteral("（%1）").arg(serial->failure().reason);
        reportError(text, code == comm::SerialPort::kOpenFailure ? kPortFailed : kLineFailed);
    });
    const auto summary = [&](const QString& reason, qint64 ms) {
        if (json)
            put(QStringLiteral("{\"event\":\"finished\",\"sent\":%1,\"received\":%2,\"seconds\":%3,"
                               "\"reason\":\"%4\"}\n")
                    .arg(engine.sentCount())
                    .arg(engine.receivedCount())
                    .arg(QString::number(double(ms) / 1000.0, 'f', 3))
                    .arg(reason));
        else
            put(QStringLiteral("\r\n发送：%1  接收：%2  执行时间：%3\r\n")
                    .arg(comm::CounterText(engine.sentCount()),
                         comm::CounterText(engine.receivedCount()), comm::ElapsedText(ms)));
    };
    QObject::connect(&engine, &RunEngine::finished, [&](RunEngine::FinishReason reason, qint64 ms) {
        summary(QString::fromLatin1(reasonName(reason)), ms);
        QCoreApplication::exit(0);
    });

    const RunEngine::StartResult started = engine.start();
    if (started == RunEngine::StartResult::NoKind)
        reportError(QStringLiteral("通讯类型无效"), kBadFile);
    if (started != RunEngine::StartResult::Started) {
        if (json) summary(QStringLiteral("error"), 0);
        return exitCode;
    }
    // The port is open and its stale input discarded: a script may let its device talk now.
    if (json) put(QStringLiteral("{\"event\":\"started\"}\n"));
    QCoreApplication::exec();
    return exitCode;
}

}  // namespace cli
