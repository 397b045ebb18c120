#include "monitordialogs.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>

#include "filedialogs.h"

namespace comm::monitor {

namespace {
StorageFileChooser& storageChooser() {
    static StorageFileChooser chooser;
    return chooser;
}
ColourChooser& colourChooser() {
    static ColourChooser chooser;
    return chooser;
}
}  // namespace

QString ChooseStorageFile(QWidget* parent) {
    if (storageChooser()) return storageChooser()();
    // The main window's common dialog keeps its design-time title for every use.
    const auto dialog = ui::MakeFileDialog(
        parent, QCoreApplication::translate("MonitorDialogs", "打开/另存为[通讯]"),
        QCoreApplication::applicationDirPath(),
        {QCoreApplication::translate("MonitorDialogs", " 存储文件(*.Dax)"),
         QCoreApplication::translate("MonitorDialogs", "所有文件(*.*)")});
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return ui::RunFileDialog(*dialog);
}

QColor ChooseBackgroundColour(QWidget* parent, const QColor& current) {
    if (colourChooser()) return colourChooser()(current);
    return QColorDialog::getColor(current, parent);
}

void SetStorageFileChooser(StorageFileChooser chooser) {
    storageChooser() = std::move(chooser);
}

void SetColourChooser(ColourChooser chooser) {
    colourChooser() = std::move(chooser);
}

}  // namespace comm::monitor
