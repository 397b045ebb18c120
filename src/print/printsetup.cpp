#include "printsetup.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace comm::print {

bool RunPrinterSetup(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("打印设置"));
    // The summary is a single page, so page choices would only confuse.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // The platform's dialog is made for printing and says "打印" on its accept button; here it
    // only chooses, and the printer's properties are where the paper and the page are chosen.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* accept = buttons->button(QDialogButtonBox::Ok))
            accept->setText(kSetupAcceptText);
    }
    if (auto* properties = dialog.findChild<QPushButton*>(QStringLiteral("properties")))
        properties->setText(kSetupPageText);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace comm::print
