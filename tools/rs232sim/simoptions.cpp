#include "simoptions.h"

#include <QRegularExpression>
#include <cmath>

namespace rs232sim {

namespace {
constexpr int kMaxBaud = 10000000;

struct ArgumentReader {
    const QStringList& args;
    int next = 1;  // args[0] is the command
    QString error;

    // Splits "--name=value"; returns the option name and sets *inlineValue when present.
    QString take(QString* inlineValue, bool* hasInline) {
        QString arg = args[next++];
        const int eq = int(arg.indexOf(QLatin1Char('=')));
        *hasInline = arg.startsWith(QLatin1String("--")) && eq > 0;
        if (*hasInline) {
            *inlineValue = arg.mid(eq + 1);
            arg = arg.left(eq);
        }
        return arg;
    }
    bool value(const QString& option, bool hasInline, const QString& inlineValue, QString* out) {
        if (hasInline) {
            *out = inlineValue;
            return true;
        }
        if (next >= args.size()) {
            error = QStringLiteral("%1 needs a value").arg(option);
            return false;
        }
        *out = args[next++];
        return true;
    }
};

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

bool ParseTimingOption(const QString& option, const QString& value, LineTiming* timing,
                       QString* error) {
    if (option == QLatin1String("--baud"))
        return ParsePositive(option, value, kMaxBaud, &timing->baud, error);
    return ParseFormat(value, &timing->format, error);
}

QString ParsePair(ArgumentReader& r, PairOptions* out) {
    PairOptions o;
    while (r.next < r.args.size()) {
        QString inlineValue;
        bool hasInline = false;
        const QString option = r.take(&inlineValue, &hasInline);
        QString value;
        QString error;
        if (option == QLatin1String("--baud") || option == QLatin1String("--format")) {
            if (!r.value(option, hasInline, inlineValue, &value)) return r.error;
            if (!ParseTimingOption(option, value, &o.timing, &error)) return error;
        } else if (option == QLatin1String("--corrupt")) {
            if (!r.value(option, hasInline, inlineValue, &value)) return r.error;
            if (!ParseProbability(option, value, &o.corrupt, &error)) return error;
        } else if (option == QLatin1String("--drop")) {
            if (!r.value(option, hasInline, inlineValue, &value)) return r.error;
            if (!ParseProbability(option, value, &o.drop, &error)) return error;
        } else if (option == QLatin1String("--seed")) {
            if (!r.value(option, hasInline, inlineValue, &value)) return r.error;
            quint64 seed = 0;
            if (!ParseSeed(value, &seed, &error)) return error;
            o.seed = seed;
        } else if (option == QLatin1String("--link-a") || option == QLatin1String("--link-b")) {
            if (!r.value(option, hasInline, inlineValue, &value)) return r.error;
            if (value.isEmpty()) return QStringLiteral("%1 wants a path").arg(option);
            (option.endsWith(QLatin1Char('a')) ? o.linkA : o.linkB) = value;
        } else {
            return QStringLiteral("pair: unknown argument \"%1\"").arg(option);
        }
    }
    if (!o.linkA.isEmpty() && o.linkA == o.linkB)
        return QStringLiteral("--link-a and --link-b must be different paths");
    *out = o;
    return {};
}

QString ParseDevice(ArgumentReader& r, DeviceOptions* out) {
    DeviceOptions o;
    bool echo = false, answer = false, stream = false, every = false, interval = false;
    while (r.next < r.args.size()) {
        QString inlineValue;
        bool hasInline = false;
        const QString option = r.take(&inlineValue, &hasInline);
        QString value;
        QString error;
        if (option == QLatin1String("--baud") || option == QLatin1String("--format")) {
            if (!r.value(option, hasInline, inlineValue, &value)) return r.error;
            if (!ParseTimingOption(option, value, &o.timing, &error)) return error;
        } else if (option == QLatin1String("--link")) {
            if (!r.value(option, hasInline, inlineValue, &value)) return r.error;
            if (value.isEmpty()) return QStringLiteral("--link wants a path");
            o.link = value;
        } else if (option == QLatin1String("--echo")) {
            if (hasInline) return QStringLiteral("--echo takes no value");
            echo = true;
        } else if (option == QLatin1String("--answer") || option == QLatin1String("--stream")) {
            if (!r.value(option, hasInline, inlineValue, &value)) return r.error;
            if (!ParseHexBytes(value, &o.bytes, &error))
                return QStringLiteral("%1: %2").arg(option, error);
            (option == QLatin1String("--answer") ? answer : stream) = true;
        } else if (option == QLatin1String("--every")) {
            if (!r.value(option, hasInline, inlineValue, &value)) return r.error;
            if (!ParsePositive(option, value, 1 << 30, &o.every, &error)) return error;
            every = true;
        } else if (option == QLatin1String("--interval")) {
            if (!r.value(option, hasInline, inlineValue, &value)) return r.error;
            if (!ParsePositive(option, value, 24 * 3600 * 1000, &o.intervalMs, &error))
                return error;
            interval = true;
        } else {
            return QStringLiteral("device: unknown argument \"%1\"").arg(option);
        }
    }
    if (int(echo) + int(answer) + int(stream) != 1)
        return QStringLiteral(
            "device: choose exactly one of --echo, --answer HEX --every N, --stream HEX --interval "
            "MS");
    if (answer != every) return QStringLiteral("device: --answer and --every go together");
    if (stream != interval) return QStringLiteral("device: --stream and --interval go together");
    o.mode = echo     ? DeviceOptions::Mode::Echo
             : answer ? DeviceOptions::Mode::Answer
                      : DeviceOptions::Mode::Stream;
    *out = o;
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
    ArgumentReader reader{args, 1, QString()};
    if (verb == QLatin1String("pair")) {
        PairOptions pair;
        QString error = ParsePair(reader, &pair);
        if (!error.isEmpty()) return error;
        command->kind = SimCommand::Kind::Pair;
        command->pair = pair;
        return {};
    }
    if (verb == QLatin1String("device")) {
        DeviceOptions device;
        QString error = ParseDevice(reader, &device);
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
