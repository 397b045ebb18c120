#include "printsetup.h"

#include <QPrintDialog>
#include <QPrinter>

namespace comm::print {

bool RunPrinterSetup(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("打印设置"));
    // The summary is a single page, so page choices would only confuse.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace comm::print
