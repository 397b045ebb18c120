#include <QCoreApplication>
#include <QTimer>

#include "commands.h"
#include "daxfile.h"
#include "filecheck.h"
#include "jsonwriter.h"
#include "linesettings.h"
#include "monitorcapture.h"
#include "monitorlayout.h"
#include "monitortext.h"
#include "options.h"
#include "output.h"
#include "portargument.h"
#include "portmap.h"
#include "portoptions.h"
#include "stopsignals.h"
#include "texthelpers.h"

namespace cli {

namespace {

// Status 2 is for arguments it cannot take (kUsage).
enum Exit { kDone = 0, kPortLost = 1, kBadSettings = 2, kPortFailed = 3, kStoreFailed = 4 };

struct MonitorArgs {
    PortArgument port;
    QString settings = QStringLiteral("9600,O,8,1");
    qint64 bytes = 0;  // 0: no byte limit
    int quietMs = 0;   // 0: no quiet limit
    QString out;
    QString record;  // the whole stream, raw, to this file
    LineControlArgs line;
    bool ascii = false;
    bool json = false;       // each batch as it comes instead of the listing at the end
    bool reconnect = false;  // a lost device is waited for instead of ending the listening
};

constexpr qint64 kDayMs = 24LL * 3600 * 1000;

bool positiveNumber(const QString& text, qint64* value) {
    bool ok = false;
    *value = text.toLongLong(&ok);
    return ok && *value > 0;
}

// False with the reason in *why.
bool parse(const QStringList& args, MonitorArgs* m, QString* why) {
    Options o(args,
              {QStringLiteral("--port"), QStringLiteral("--settings"), QStringLiteral("--bytes"),
               QStringLiteral("--quiet-ms"), QStringLiteral("--out"), QStringLiteral("--record"),
               QStringLiteral("--flow"), QStringLiteral("--dtr"), QStringLiteral("--rts")});
    m->ascii = o.flag(QStringLiteral("--ascii"));
    m->json = o.flag(QStringLiteral("--json"));
    m->reconnect = o.flag(QStringLiteral("--reconnect"));
    TakePortArgument(o, &m->port);
    if (const std::optional<QString> text = o.value(QStringLiteral("--settings"))) {
        if (!ParseListenSettings(*text, &m->settings))
            o.refuse(QStringLiteral("--settings \"%1\" are not settings a port can take (baud "
                                    "rate, parity N, O, E, M or S, 5 to 8 data bits, 1, 1.5 or 2 "
                                    "stop bits)")
                         .arg(*text));
    }
    if (!ParseLineControl(o, &m->line))
        o.refuse(QStringLiteral("--flow takes none, rtscts or xonxoff, --dtr and --rts on or off"));
    m->record = o.value(QStringLiteral("--record")).value_or(QString());
    qint64 number = 0;
    if (const std::optional<QString> text = o.value(QStringLiteral("--bytes"))) {
        if (positiveNumber(*text, &number))
            m->bytes = number;
        else
            o.refuse(
                QStringLiteral("--bytes must be a whole number above 0, not \"%1\"").arg(*text));
    }
    if (const std::optional<QString> text = o.value(QStringLiteral("--quiet-ms"))) {
        if (positiveNumber(*text, &number) && number <= kDayMs)
            m->quietMs = int(number);
        else
            o.refuse(QStringLiteral("--quiet-ms must be a whole number from 1 to %1, not \"%2\"")
                         .arg(kDayMs)
                         .arg(*text));
    }
    m->out = o.value(QStringLiteral("--out")).value_or(QString());
    o.expectPlain(0, QString());
    *why = o.problem();
    return why->isEmpty();
}

}  // namespace

int monitor(const QStringList& args) {
    MonitorArgs m;
    QString why;
    if (!parse(args, &m, &why)) return BadArguments(why);
    // A capture that could not be stored at the end is lost: refuse the file before listening.
    if (!m.out.isEmpty()) {
        const comm::FileCheck out = comm::CheckFileToWrite(m.out);
        if (!out.ok()) {
            Complain(WithReason(comm::monitor::StoreFailedMessage(), out.message));
            return kStoreFailed;
        }
    }

    comm::MonitorCapture capture(MakePort(m.port), comm::Clock::real());
    capture.setReconnect(m.reconnect);
    QString refusal;
    if (!capture.start(m.settings, &refusal)) {
        if (!refusal.isEmpty()) {
            Complain(refusal);
            return kBadSettings;
        }
        Complain(WithPortProblem(comm::BusyPortMessage(), capture.port().failure()));
        return kPortFailed;
    }
    QString problem;
    if (!ApplyLineControl(capture.port(), m.line, &problem)) {
        Complain(problem);
        return kPortFailed;
    }
    if (!m.record.isEmpty() &&
        !capture.startRecording(m.record, comm::RecordFormat::Raw, QString(), &problem)) {
        Complain(WithReason(comm::monitor::StoreFailedMessage(), problem));
        return kStoreFailed;
    }

    int exitCode = kDone;
    QTimer quiet;
    quiet.setSingleShot(true);
    quiet.setInterval(m.quietMs);
    QObject::connect(&quiet, &QTimer::timeout, &capture, &comm::MonitorCapture::stop);
    qint64 shown = 0;
    QObject::connect(
        &capture, &comm::MonitorCapture::bytesReceived, [&](const QByteArray& batch, qint64 ms) {
            if (m.json) {
                // As the listing does, what lies beyond --bytes is not shown.
                const qint64 take =
                    m.bytes > 0 ? qMin<qint64>(batch.size(), m.bytes - shown) : batch.size();
                if (take > 0)
                    PutJson(JsonWriter()
                                .add(QStringLiteral("event"), QStringLiteral("bytes"))
                                .add(QStringLiteral("t"), QJsonValue(ms))
                                .add(QStringLiteral("bytes"),
                                     comm::HexBytesText(batch.left(int(take)))));
                shown += qMax<qint64>(0, take);
            }
            if (m.bytes > 0 && capture.received() >= m.bytes)
                capture.stop();
            else if (m.quietMs > 0)
                quiet.start();
        });
    QObject::connect(&capture, &comm::MonitorCapture::portLost, [&](const QString&) {
        Complain(WithPortProblem(comm::BusyPortMessage(), capture.port().failure()));
        exitCode = kPortLost;
    });
    QObject::connect(&capture, &comm::MonitorCapture::deviceGone,
                     [&](qint64 ms, const QString& reason) {
                         if (m.json)
                             PutJson(JsonWriter()
                                         .add(QStringLiteral("event"), QStringLiteral("lost"))
                                         .add(QStringLiteral("t"), QJsonValue(ms))
                                         .add(QStringLiteral("reason"), reason));
                         Complain(comm::monitor::DeviceGoneMessage(reason));
                     });
    QObject::connect(&capture, &comm::MonitorCapture::deviceBack, [&](qint64 ms) {
        if (m.json)
            PutJson(JsonWriter()
                        .add(QStringLiteral("event"), QStringLiteral("back"))
                        .add(QStringLiteral("t"), QJsonValue(ms)));
        Complain(comm::monitor::DeviceBackMessage());
    });
    QObject::connect(&capture, &comm::MonitorCapture::listeningChanged, [](bool on) {
        if (!on) QCoreApplication::exit(0);
    });
    QObject::connect(&capture, &comm::MonitorCapture::recordingFailed, [&](const QString& reason) {
        Complain(WithReason(comm::monitor::StoreFailedMessage(), reason));
        exitCode = kStoreFailed;
        capture.stop();
    });
    comm::StopSignals stop;
    if (!stop.install(&problem)) Complain(problem);
    QObject::connect(&stop, &comm::StopSignals::stopRequested, &capture,
                     &comm::MonitorCapture::stop);

    // The port is open and its stale input discarded: a script may let its device talk now.
    const std::optional<comm::LineSettings> line = comm::LineSettings::fromListedText(m.settings);
    Put(comm::monitor::PortStateText(comm::monitor::PortNumeral(m.port.number), true,
                                     line ? line->shownText() : m.settings)
                .replace(QChar(10), QLatin1Char(' ')) +
            QStringLiteral(" (%1)\n").arg(capture.port().deviceName()),
        stderr);
    QCoreApplication::exec();

    QByteArray bytes = capture.capture();
    if (m.bytes > 0 && bytes.size() > m.bytes) bytes.truncate(int(m.bytes));
    using comm::monitor::DisplayMode;
    if (m.json)
        PutJson(JsonWriter()
                    .add(QStringLiteral("event"), QStringLiteral("finished"))
                    .add(QStringLiteral("t"), QJsonValue(capture.elapsedMs()))
                    .add(QStringLiteral("count"), int(bytes.size())));
    else
        Put(comm::monitor::CaptureListing(bytes, m.ascii ? DisplayMode::Chars : DisplayMode::Hex),
            stdout);
    if (!m.out.isEmpty()) {
        QString error;
        if (!comm::WriteDaxFile(m.out, bytes, comm::DaxWriteMode::Replace, &error)) {
            Complain(WithReason(comm::monitor::StoreFailedMessage(), error));
            return kStoreFailed;
        }
    }
    return exitCode;
}

}  // namespace cli
