#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QFileDialog;
class QWidget;

namespace comm::ui {

// The program's own file dialog, the same on every desktop: title, starting folder and name
// filters ("description(patterns)"). Its "*.*" pattern (所有文件) matches every file, those
// without a dot (Makefile, firmware) included, while the filter's text stays as shown.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const QString& title,
                                            const QString& folder, const QStringList& filters);

// Shows the dialog modally: the chosen path, or empty when it was cancelled.
QString RunFileDialog(QFileDialog& dialog);

}  // namespace comm::ui
