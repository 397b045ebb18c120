#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "commands.h"
#include "daxfile.h"
#include "linesettings.h"
#include "monitorcapture.h"
#include "monitorlayout.h"
#include "portmap.h"
#include "serialfactory.h"
#include "stopsignal.h"

namespace cli {

namespace {

const char kMonitorUsage[] =
    "usage: comm-cli monitor --port N|PATH [--settings 9600,O,8,1] [--bytes N] [--quiet-ms MS]"
    " [--out FILE.Dax] [--ascii]\n";

enum Exit { kDone = 0, kPortLost = 1, kBadArguments = 2, kPortFailed = 3, kStoreFailed = 4 };

void put(const QString& text, FILE* stream) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

struct MonitorArgs {
    QString port;
    QString settings = QStringLiteral("9600,O,8,1");
    qint64 bytes = 0;  // 0: no byte limit
    int quietMs = 0;   // 0: no quiet limit
    QString out;
    bool ascii = false;
};

bool positiveNumber(const QString& text, qint64* value) {
    bool ok = false;
    *value = text.toLongLong(&ok);
    return ok && *value > 0;
}

bool parse(const QStringList& args, MonitorArgs* m) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        qint64 number = 0;
        if (a == QLatin1String("--ascii")) {
            m->ascii = true;
        } else if (a == QLatin1String("--port") && hasValue) {
            m->port = args[++i];
        } else if (a == QLatin1String("--settings") && hasValue) {
            const std::optional<comm::LineSettings> line =
                comm::LineSettings::fromListedText(args[++i]);
            if (!line) return false;
            m->settings = line->text();
        } else if (a == QLatin1String("--bytes") && hasValue) {
            if (!positiveNumber(args[++i], &number)) return false;
            m->bytes = number;
        } else if (a == QLatin1String("--quiet-ms") && hasValue) {
            if (!positiveNumber(args[++i], &number) || number > 24 * 3600 * 1000) return false;
            m->quietMs = int(number);
        } else if (a == QLatin1String("--out") && hasValue) {
            m->out = args[++i];
        } else {
            return false;
        }
    }
    return !m->port.isEmpty();
}

}  // namespace

int monitor(const QStringList& args) {
    MonitorArgs m;
    if (!parse(args, &m)) {
        put(QString::fromLatin1(kMonitorUsage), stderr);
        return kBadArguments;
    }
    bool isNumber = false;
    int portNumber = m.port.toInt(&isNumber);
    if (!isNumber || portNumber < comm::kFirstPort || portNumber > comm::kLastPort) {
        // A device path stands in for port 1, the way RS232_COM1 maps it in the program.
        qputenv("RS232_COM1", m.port.toLocal8Bit());
        portNumber = comm::kFirstPort;
    }

    comm::MonitorCapture capture(comm::RealSerialPortFactory()());
    capture.setCommPort(portNumber);
    if (!capture.start(m.settings)) {
        QString text = QStringLiteral("当前活动串口是非空闲串口！");
        const QString reason = capture.port().failure().reason;
        if (!reason.isEmpty()) text += QStringLiteral("（%1）").arg(reason);
        put(text + QLatin1Char('\n'), stderr);
        return kPortFailed;
    }

    int exitCode = kDone;
    QTimer quiet;
    quiet.setSingleShot(true);
    quiet.setInterval(m.quietMs);
    QObject::connect(&quiet, &QTimer::timeout, &capture, &comm::MonitorCapture::stop);
    QObject::connect(&capture, &comm::MonitorCapture::bytesReceived, [&] {
        if (m.bytes > 0 && capture.received() >= m.bytes)
            capture.stop();
        else if (m.quietMs > 0)
            quiet.start();
    });
    QObject::connect(&capture, &comm::MonitorCapture::portLost, [&](const QString& reason) {
        QString text = QStringLiteral("当前活动串口是非空闲串口！");
        if (!reason.isEmpty()) text += QStringLiteral("（%1）").arg(reason);
        put(text + QLatin1Char('\n'), stderr);
        exitCode = kPortLost;
    });
    QObject::connect(&capture, &comm::MonitorCapture::listeningChanged, [](bool on) {
        if (!on) QCoreApplication::exit(0);
    });
    StopSignal stopSignal([&capture] { capture.stop(); });

    // The port is open and its stale input discarded: a script may let its device talk now.
    const std::optional<comm::LineSettings> line = comm::LineSettings::fromListedText(m.settings);
    put(comm::monitor::PortStateText(comm::monitor::PortNumeral(portNumber), true,
                                     line ? line->shownText() : QString())
                .replace(QChar(10), QLatin1Char(' ')) +
            QStringLiteral(" (%1)\n").arg(capture.port().deviceName()),
        stderr);
    QCoreApplication::exec();

    QByteArray bytes = capture.capture();
    if (m.bytes > 0 && bytes.size() > m.bytes) bytes.truncate(int(m.bytes));
    using comm::monitor::DisplayMode;
    put(comm::monitor::CaptureListing(bytes, m.ascii ? DisplayMode::Chars : DisplayMode::Hex),
        stdout);
    if (!m.out.isEmpty()) {
        QString error;
        if (!comm::WriteDaxFile(m.out, bytes, comm::DaxWriteMode::Replace, &error)) {
            put(QStringLiteral("存储数据失败!!!（%1）\n").arg(error), stderr);
            return kStoreFailed;
        }
    }
    return exitCode;
}

}  // namespace cli
