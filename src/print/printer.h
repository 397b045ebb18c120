#pragma once

#include <QFont>
#include <QString>

#include "printout.h"

class QPrinter;

namespace comm::print {

// Points "黑体" and "宋体" at installed Chinese fonts on systems that lack them, so the
// summary keeps its Chinese text (and a PDF keeps it extractable). Needs a GUI application.
void InstallChineseFontSubstitutes();

// "黑体" 14 pt for the title, "宋体" 12 pt for the rest.
QFont PrintoutFont(PrintFont kind);

// What became of a print job. The message is for the user: why it failed, or, when the job
// went into a file, which file (a later print overwrites it, so the user must know its name).
struct PrintOutcome {
    bool ok = false;
    QString message;
};

QString NoPrinterMessage();
QString PrinterStartMessage();
QString PrinterErrorMessage();
// Followed by the file's path.
QString PrintedToFileMessage();

// Prints the summary on the printer as it is set up; starts a new page only when the page is
// too short for it. Never throws and never ends the program: failures come back as a message.
PrintOutcome PrintCommPrintout(QPrinter& printer, const CommPrintout& printout);

}  // namespace comm::print
