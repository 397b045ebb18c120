#include "printsetup.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace comm::print {

QString SetupAcceptText() {
    return QCoreApplication::translate("Printing", "确定");
}

QString SetupPageText() {
    return QCoreApplication::translate("Printing", "页面设置(&R)...");
}

bool RunPrinterSetup(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintSetupDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("Printing", "打印设置"));
    // The summary is a single page, so page choices would only confuse.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // The platform's dialog is made for printing and says "打印" on its accept button; here it
    // only chooses, and the printer's properties are where the paper and the page are chosen.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* accept = buttons->button(QDialogButtonBox::Ok))
            accept->setText(SetupAcceptText());
    }
    if (auto* properties = dialog.findChild<QPushButton*>(QStringLiteral("properties")))
        properties->setText(SetupPageText());
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace comm::print
