#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "linesettings.h"

namespace rs232sim {

// How a line is paced: 0 baud means as fast as the pseudo-terminals go.
struct LineTiming {
    int baud = 0;
    comm::LineSettings format;  // data bits, parity and stop bits; the rate is `baud`
    // Nanoseconds one character occupies the line; 0 when unpaced.
    qint64 characterNs() const;
};

struct PairOptions {
    LineTiming timing;
    double corrupt = 0.0;
    double drop = 0.0;
    std::optional<quint64> seed;
    QString linkA;
    QString linkB;
};

struct DeviceOptions {
    enum class Mode { Echo, Answer, Stream };
    LineTiming timing;
    QString link;
    Mode mode = Mode::Echo;
    QByteArray bytes;  // the answer or the streamed bytes
    int every = 0;
    int intervalMs = 0;
};

struct SimCommand {
    enum class Kind { Pair, Device, Help };
    Kind kind = Kind::Help;
    PairOptions pair;
    DeviceOptions device;
};

// Parses the arguments after the program name. Empty on success, else a one-line message.
QString ParseSimArguments(const QStringList& args, SimCommand* command);

// "01 02 ff", "0102FF" or "01,02": hex digit pairs, blanks or commas between bytes.
bool ParseHexBytes(const QString& text, QByteArray* bytes, QString* error);

// "8N1", "7E2", "5O1.5": data bits 5..8, parity N/E/O, stop bits 1, 1.5 or 2.
bool ParseFormat(const QString& text, comm::LineSettings* format, QString* error);

// The command lines alone, for an error message; Usage() adds what each part does.
QString Synopsis();
QString Usage();

}  // namespace rs232sim
