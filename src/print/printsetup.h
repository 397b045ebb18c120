#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace comm::print {

// The setup dialog's accept button, and the button that opens the paper and page choices.
QString SetupAcceptText();
QString SetupPageText();

// Shows the platform's printer dialog on the kept printer. Choosing keeps the printer and its
// options in that printer for the next print; cancelling leaves it exactly as it was.
// Returns whether the user chose.
bool RunPrinterSetup(QWidget* parent, QPrinter& printer);

}  // namespace comm::print
