// The main window's commands on communication files: Open, Save, Save As and the command-line
// start.

#include <QFileInfo>

#include "busypointer.h"
#include "documentwindow.h"
#include "mainwindow.h"
#include "messages.h"
#include "txlfile.h"

namespace comm {

namespace {
// A communication read or saved is captioned with its file in one of two forms; a file saved
// under a new name gets the colon.
const char* const kCaption = QT_TRANSLATE_NOOP("comm::MainWindow", "通讯 %1");
const char* const kSaveAsNewCaption = QT_TRANSLATE_NOOP("comm::MainWindow", "通讯: %1");
}  // namespace

bool MainWindow::readAndShow(const QString& path) {
    QString error;
    if (ReadCommFile(path, &definition_, &error) != ReadStatus::Ok) {
        ui::ShowMessage(this, error, ui::MessageIcon::Exclamation);
        return false;
    }
    definition_.CommFileName = path;
    DocumentWindow* document = newDocumentWindow();
    if (document) captionDocument(kCaption, path);
    return document != nullptr;
}

void MainWindow::openComm() {
    if (document_) return;
    const BusyPointer busy(this);
    definition_.CommKind = 0;
    const QString path = chooser_(this, FileDialogMode::Open, programFolder_);
    if (path.isEmpty()) return;
    // The reader checks the file first: a missing one, a folder, a FIFO or a device each get
    // their message.
    readAndShow(path);
}

void MainWindow::startFromCommandLine(const QString& commandLine) {
    if (commandLine.trimmed().isEmpty() || document_) return;
    QString path = programFolder_;
    if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
    path += commandLine;
    if (!QFileInfo(path).isFile()) return;
    definition_.CommKind = 0;
    readAndShow(path);
}

// Writes the open communication; a failed write says why and changes nothing, so the marker,
// the caption and the remembered file name still describe the last good save.
bool MainWindow::writeTo(const QString& path, const char* captionForm) {
    DocumentWindow* document = document_;
    if (!document) return false;
    CommOptions options = document->options();
    QString error;
    if (!WriteCommFile(path, definition_, &options, saveFrameData(), &error)) {
        ui::ShowMessage(this, error, ui::MessageIcon::Exclamation);
        return false;
    }
    document->setOptions(options);
    definition_.CommFileName = path;
    document->setSaveFlag(QStringLiteral("1"));
    captionDocument(captionForm, path);
    return true;
}

void MainWindow::saveComm() {
    if (!document_) return;
    const BusyPointer busy(this);
    // A communication that has a file is written there; one that never had one asks for a name.
    if (document_->isSaved() && !definition_.CommFileName.isEmpty()) {
        writeTo(definition_.CommFileName, kCaption);
        return;
    }
    const QString path = chooser_(this, FileDialogMode::Save, programFolder_);
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path) &&
        !ui::ShowMessage(this, ui::OverwriteQuestion(), ui::MessageIcon::Question, true))
        return;
    writeTo(path, kCaption);
}

void MainWindow::saveAsComm() {
    if (!document_) return;
    const BusyPointer busy(this);
    const QString path = chooser_(this, FileDialogMode::Save, programFolder_);
    if (path.isEmpty()) return;
    if (!QFileInfo::exists(path)) {
        writeTo(path, kSaveAsNewCaption);
        return;
    }
    if (ui::ShowMessage(this, ui::OverwriteQuestion(), ui::MessageIcon::Question, true))
        writeTo(path, kCaption);
}

}  // namespace comm
