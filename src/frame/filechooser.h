#pragma once

#include <QString>
#include <functional>
#include <memory>

class QFileDialog;
class QWidget;

namespace comm {

enum class FileDialogMode { Open, Save };

// Asks for a communication file name; an empty result means the user cancelled.
using FileChooser =
    std::function<QString(QWidget* parent, FileDialogMode mode, const QString& folder)>;

// The commands' file dialog: titled "打开/另存为[通讯]", showing communication files and all
// files, starting in `folder`. It never asks about overwriting; the Save commands ask themselves.
std::unique_ptr<QFileDialog> MakeCommFileDialog(QWidget* parent, FileDialogMode mode,
                                                const QString& folder);
// The default chooser: shows that dialog modally.
QString ChooseCommFile(QWidget* parent, FileDialogMode mode, const QString& folder);
// "desc|pattern|desc|pattern" as the file dialog wants it: "desc (pattern);;...".
QStringList DialogNameFilters(const QString& pipeFilter);

}  // namespace comm
