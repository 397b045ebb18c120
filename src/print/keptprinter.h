#pragma once

class QObject;
class QPrinter;

namespace comm::print {

// The printer the summary goes to: the platform's default until the printer setup chooses
// another, then that choice for every later print. Kept by the owner (the main window) and
// gone with it; made on first use.
QPrinter& KeptPrinter(QObject* owner);

}  // namespace comm::print
