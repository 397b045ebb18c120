#pragma once

#include <QMap>
#include <QString>

#include "linesettings.h"
#include "linewatcher.h"

namespace comm {

// A pseudo-terminal keeps no line counters, so a simulator that plays a UART on one publishes
// them in a small file named after the terminal's device number, and the line watcher reads them
// where the driver has none. The file lives in $XDG_RUNTIME_DIR/rs232sim (else
// /tmp/rs232sim-<uid>) as "line-<major>-<minor>": a line "pid N" naming the publisher (a file
// whose publisher is gone counts as none), then one line per source, "source S frame F parity P
// break B overrun O buffer-overrun R".
//
// A source is the settings the receiver ran at as the terminal shows them (LineCounterSource).
// The simulator learns what the program applied only by looking, a little later; counting apart
// by settings keeps what it decoded under the old ones, published after the program reopened its
// port, from being taken as the new port's errors: a port reads the counts of its own settings.

// The file for the terminal open on fd (either end); empty when fd is no character device.
QString LineCounterFile(int fd);

// The source of counts taken at these settings; never 0 (the driver's own).
quint64 LineCounterSource(int baud, bool twoStopBits, bool oddParity);
// The source of the settings the terminal open on fd runs at, as either end sees them; 0 when
// it cannot tell.
quint64 LineCounterSourceOf(int fd);

using LineCountsBySource = QMap<quint64, LineSnapshot>;

// Replaces the file whole (written aside, then renamed), so a reader never sees half of it.
bool WriteLineCounterFile(const QString& path, const LineCountsBySource& counts);

// The counts of `source` in the file into *snapshot (hasCounters and counterSource set; zero
// counts when the file has none for it yet); false when there is no file of a living publisher.
bool ReadLineCounterFile(const QString& path, quint64 source, LineSnapshot* snapshot);

// The far end of a pseudo-terminal cannot see the data bits or whether parity is on, so a
// simulator that decodes what it sends as a UART at the program's settings asks for them: it
// puts an empty "line-<major>-<minor>.settings" beside its counters. A port about to open the
// terminal then replaces it with "pid N" (its own) and "settings 9600,E,8,1", before it applies
// them, so the simulator never sees the new settings on the terminal with the old ones in the
// file. Nobody asked, nothing is written.

// The counter file of the terminal at a device path (links followed); empty for anything else.
QString LineCounterFileOfPath(const QString& device);
QString AppliedSettingsFile(const QString& counterFile);
// The simulator's request; any settings published before it are forgotten.
bool AskForAppliedSettings(const QString& counterFile);
// The port's answer; false when nobody asked (or the file cannot be written).
bool PublishAppliedSettings(const QString& counterFile, const LineSettings& settings);
// What the port that opened the terminal last published, while that port's program runs.
bool ReadAppliedSettings(const QString& counterFile, LineSettings* settings);

}  // namespace comm
