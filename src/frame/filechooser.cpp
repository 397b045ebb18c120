#include "filechooser.h"

#include <QCoreApplication>
#include <QFileDialog>

#include "filedialogs.h"
#include "txlfile.h"

namespace comm {

QStringList DialogNameFilters(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        // The dialog reads the patterns from the parentheses of the description.
        if (description.contains(QStringLiteral("(%1)").arg(pattern)))
            filters << description;
        else
            filters << QStringLiteral("%1 (%2)").arg(description, pattern);
    }
    return filters;
}

std::unique_ptr<QFileDialog> MakeCommFileDialog(QWidget* parent, FileDialogMode mode,
                                                const QString& folder) {
    auto dialog = ui::MakeFileDialog(
        parent, QCoreApplication::translate("comm::MainWindow", "打开/另存为[通讯]"), folder,
        DialogNameFilters(TxlFilter()));
    // Any name is accepted: a name that does not exist is reported by the command.
    dialog->setFileMode(QFileDialog::AnyFile);
    if (mode == FileDialogMode::Save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
        dialog->setDefaultSuffix(QStringLiteral("Txl"));
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
    }
    return dialog;
}

QString ChooseCommFile(QWidget* parent, FileDialogMode mode, const QString& folder) {
    return ui::RunFileDialog(*MakeCommFileDialog(parent, mode, folder));
}

}  // namespace comm
