#pragma once

#include <QString>

#include "linewatcher.h"

namespace comm {

// A pseudo-terminal keeps no line counters, so a simulator that plays a UART on one publishes
// them in a small file named after the terminal's device number, and the line watcher reads them
// where the driver has none. The file lives in $XDG_RUNTIME_DIR/rs232sim (else
// /tmp/rs232sim-<uid>) as "line-<major>-<minor>", one "name value" pair a line: frame, parity,
// break, overrun, buffer-overrun.

// The file for the terminal open on fd (either end); empty when fd is no character device.
QString LineCounterFile(int fd);

// Replaces the file whole (written aside, then renamed), so a reader never sees half of it.
bool WriteLineCounterFile(const QString& path, const LineSnapshot& counters);

// The error counters of the file into *snapshot (hasCounters set); false when there is none.
bool ReadLineCounterFile(const QString& path, LineSnapshot* snapshot);

}  // namespace comm
