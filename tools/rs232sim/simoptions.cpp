#include "simoptions.h"

#include <QRegularExpression>
#include <cmath>

#include "options.h"

namespace rs232sim {

namespace {
constexpr int kMaxBaud = 10000000;

bool ParsePositive(const QString& option, const QString& text, int max, int* out, QString* error) {
    bool ok = false;
    const qlonglong v = text.toLongLong(&ok);
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!ok || !digits.match(text).hasMatch() || v <= 0 || v > max) {
        *error = QStringLiteral("%1 wants a whole number from 1 to %2, not \"%3\"")
                     .arg(option)
                     .arg(max)
                     .arg(text);
        return false;
    }
    *out = int(v);
    return true;
}

bool ParseProbability(const QString& option, const QString& text, double* out, QString* error) {
    bool ok = false;
    const double p = text.toDouble(&ok);
    if (!ok || !std::isfinite(p) || p < 0.0 || p > 1.0) {
        *error = QStringLiteral("%1 wants a probability from 0 to 1, not \"%2\"").arg(option, text);
        return false;
    }
    *out = p;
    return true;
}

bool ParseSeed(const QString& text, quint64* out, QString* error) {
    bool ok = false;
    const quint64 seed = text.toULongLong(&ok);
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!ok || !digits.match(text).hasMatch()) {
        *error =
            QStringLiteral("--seed wants a whole number from 0 to 18446744073709551615, not \"%1\"")
                .arg(text);
        return false;
    }
    *out = seed;
    return true;
}

// Reads --baud and --format into the timing; false with the message when one is bad.
bool ParseTiming(cli::Options& o, LineTiming* timing, QString* error) {
    if (const std::optional<QString> baud = o.value(QStringLiteral("--baud")))
        if (!ParsePositive(QStringLiteral("--baud"), *baud, kMaxBaud, &timing->baud, error))
            return false;
    if (const std::optional<QString> format = o.value(QStringLiteral("--format")))
        if (!ParseFormat(*format, &timing->format, error)) return false;
    return true;
}

// What the scanner found wrong, else a stray plain argument; empty when neither.
QString ArgumentProblem(const cli::Options& o, const QString& command) {
    QString problem = o.problem(command);
    if (!problem.isEmpty() || o.plain().isEmpty()) return problem;
    return QStringLiteral("%1: unknown argument \"%2\"").arg(command, o.plain().first());
}

QString ParsePair(const QStringList& args, PairOptions* out) {
    cli::Options o(
        args, {QStringLiteral("--baud"), QStringLiteral("--format"), QStringLiteral("--corrupt"),
               QStringLiteral("--drop"), QStringLiteral("--seed"), QStringLiteral("--link-a"),
               QStringLiteral("--link-b")});
    PairOptions p;
    QString error;
    if (!ParseTiming(o, &p.timing, &error)) return error;
    for (const char* name : {"--corrupt", "--drop"}) {
        const QString option = QLatin1String(name);
        if (const std::optional<QString> value = o.value(option))
            if (!ParseProbability(option, *value,
                                  option == QLatin1String("--drop") ? &p.drop : &p.corrupt, &error))
                return error;
    }
    if (const std::optional<QString> value = o.value(QStringLiteral("--seed"))) {
        quint64 seed = 0;
        if (!ParseSeed(*value, &seed, &error)) return error;
        p.seed = seed;
    }
    for (const char* name : {"--link-a", "--link-b"}) {
        const QString option = QLatin1String(name);
        if (const std::optional<QString> value = o.value(option)) {
            if (value->isEmpty()) return QStringLiteral("%1 wants a path").arg(option);
            (option.endsWith(QLatin1Char('a')) ? p.linkA : p.linkB) = *value;
        }
    }
    QString problem = ArgumentProblem(o, QStringLiteral("pair"));
    if (!problem.isEmpty()) return problem;
    if (!p.linkA.isEmpty() && p.linkA == p.linkB)
        return QStringLiteral("--link-a and --link-b must be different paths");
    *out = p;
    return {};
}

QString ParseDevice(const QStringList& args, DeviceOptions* out) {
    cli::Options o(
        args, {QStringLiteral("--baud"), QStringLiteral("--format"), QStringLiteral("--link"),
               QStringLiteral("--answer"), QStringLiteral("--stream"), QStringLiteral("--every"),
               QStringLiteral("--interval")});
    DeviceOptions d;
    QString error;
    if (!ParseTiming(o, &d.timing, &error)) return error;
    if (const std::optional<QString> value = o.value(QStringLiteral("--link"))) {
        if (value->isEmpty()) return QStringLiteral("--link wants a path");
        d.link = *value;
    }
    const bool echo = o.flag(QStringLiteral("--echo"));
    const std::optional<QString> answer = o.value(QStringLiteral("--answer"));
    const std::optional<QString> stream = o.value(QStringLiteral("--stream"));
    for (const std::optional<QString>* bytes : {&answer, &stream}) {
        if (*bytes && !ParseHexBytes(**bytes, &d.bytes, &error))
            return QStringLiteral("%1: %2").arg(
                bytes == &answer ? QStringLiteral("--answer") : QStringLiteral("--stream"), error);
    }
    const std::optional<QString> every = o.value(QStringLiteral("--every"));
    if (every && !ParsePositive(QStringLiteral("--every"), *every, 1 << 30, &d.every, &error))
        return error;
    const std::optional<QString> interval = o.value(QStringLiteral("--interval"));
    if (interval && !ParsePositive(QStringLiteral("--interval"), *interval, 24 * 3600 * 1000,
                                   &d.intervalMs, &error))
        return error;
    QString problem = ArgumentProblem(o, QStringLiteral("device"));
    if (!problem.isEmpty()) return problem;
    if (int(echo) + int(bool(answer)) + int(bool(stream)) != 1)
        return QStringLiteral(
            "device: choose exactly one of --echo, --answer HEX --every N, --stream HEX --interval "
            "MS");
    if (bool(answer) != bool(every))
        return QStringLiteral("device: --answer and --every go together");
    if (bool(stream) != bool(interval))
        return QStringLiteral("device: --stream and --interval go together");
    d.mode = echo     ? DeviceOptions::Mode::Echo
             : answer ? DeviceOptions::Mode::Answer
                      : DeviceOptions::Mode::Stream;
    *out = d;
    return {};
}
}  // namespace

qint64 LineTiming::characterNs() const {
    if (baud <= 0) return 0;
    return qint64(std::llround(format.bitsPerCharacter() * 1e9 / baud));
}

bool ParseHexBytes(const QString& text, QByteArray* bytes, QString* error) {
    QByteArray parsed;
    int high = -1;
    for (const QChar c : text) {
        const int digit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (c == QLatin1Char(' ') || c == QLatin1Char(',')) {
            if (high >= 0) {
                *error = QStringLiteral("\"%1\" has a byte with a single hex digit").arg(text);
                return false;
            }
            continue;
        }
        if (digit < 0) {
            *error = QStringLiteral("\"%1\" is not hex bytes (bad character '%2')").arg(text, c);
            return false;
        }
        if (high < 0) {
            high = digit;
        } else {
            parsed.append(char(high * 16 + digit));
            high = -1;
        }
    }
    if (high >= 0) {
        *error = QStringLiteral("\"%1\" ends in half a byte").arg(text);
        return false;
    }
    if (parsed.isEmpty()) {
        *error = QStringLiteral("no bytes given");
        return false;
    }
    *bytes = parsed;
    return true;
}

bool ParseFormat(const QString& text, comm::LineSettings* format, QString* error) {
    static const QRegularExpression pattern(QStringLiteral("^([5-8])([NEOneo])(1|1\\.5|2)$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch()) {
        *error = QStringLiteral(
                     "--format wants data bits 5-8, parity N/E/O and stop bits 1/1.5/2, like 8N1 "
                     "or 7E2, not \"%1\"")
                     .arg(text);
        return false;
    }
    comm::LineSettings f = *format;
    f.dataBits = m.captured(1).toInt();
    const QChar parity = m.captured(2).at(0).toUpper();
    f.parity = parity == QLatin1Char('E')   ? comm::Parity::Even
               : parity == QLatin1Char('O') ? comm::Parity::Odd
                                            : comm::Parity::None;
    const QString stop = m.captured(3);
    f.stopBits = stop == QLatin1String("1")   ? comm::StopBits::One
                 : stop == QLatin1String("2") ? comm::StopBits::Two
                                              : comm::StopBits::OneAndHalf;
    *format = f;
    return true;
}

QString ParseSimArguments(const QStringList& args, SimCommand* command) {
    if (args.isEmpty()) return QStringLiteral("missing command: pair or device");
    const QString& verb = args[0];
    if (verb == QLatin1String("--help") || verb == QLatin1String("-h") ||
        verb == QLatin1String("help")) {
        command->kind = SimCommand::Kind::Help;
        return {};
    }
    if (verb == QLatin1String("pair")) {
        PairOptions pair;
        QString error = ParsePair(args.mid(1), &pair);
        if (!error.isEmpty()) return error;
        command->kind = SimCommand::Kind::Pair;
        command->pair = pair;
        return {};
    }
    if (verb == QLatin1String("device")) {
        DeviceOptions device;
        QString error = ParseDevice(args.mid(1), &device);
        if (!error.isEmpty()) return error;
        command->kind = SimCommand::Kind::Device;
        command->device = device;
        return {};
    }
    return QStringLiteral("unknown command \"%1\": use pair or device").arg(verb);
}

QString Synopsis() {
    return QStringLiteral(
        "usage: rs232sim pair [--baud B] [--format 8N1] [--corrupt P] [--drop P] [--seed N]\n"
        "                     [--link-a PATH] [--link-b PATH]\n"
        "       rs232sim device [--link PATH] [--baud B] [--format 8N1]\n"
        "                       (--echo | --answer HEX --every N | --stream HEX --interval MS)\n");
}

QString Usage() {
    return Synopsis() +
           QStringLiteral(
               "\n"
               "pair    two pseudo-terminals joined like a null-modem cable; prints \"A <path>\" "
               "and \"B <path>\".\n"
               "device  a simulated device on one pseudo-terminal; prints \"PORT <path>\".\n"
               "--baud  each character takes its real time on the line (start, data, parity and "
               "stop bits).\n"
               "        For a device, --baud and --format are its own settings: the program gets "
               "what a UART at\n"
               "        the program's settings makes of its characters, with the line errors "
               "counted for its\n"
               "        line watcher (the terminal shows the rate, stop bits and odd parity, not "
               "the data bits).\n"
               "--corrupt/--drop  each byte gets one bit flipped / is lost with probability P; "
               "--seed repeats it.\n"
               "Runs until SIGINT or SIGTERM, then removes its links. Give the paths to "
               "RS232_COM1..RS232_COM4.\n");
}

}  // namespace rs232sim
