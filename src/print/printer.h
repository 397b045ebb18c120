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

inline const QString kNoPrinterMessage =
    QStringLiteral("没有可用的打印机，请先在“打印设置”中选择打印机！");
inline const QString kPrinterStartMessage = QStringLiteral("打印机无法开始打印，请检查打印机！");
inline const QString kPrinterErrorMessage = QStringLiteral("打印机出错，打印没有完成！");
// Followed by the file's path.
inline const QString kPrintedToFileMessage = QStringLiteral("已打印到文件：");

// Prints the summary on the printer as it is set up; starts a new page only when the page is
// too short for it. Never throws and never ends the program: failures come back as a message.
PrintOutcome PrintCommPrintout(QPrinter& printer, const CommPrintout& printout);

}  // namespace comm::print
