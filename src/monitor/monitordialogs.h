#pragma once

#include <QColor>
#include <QString>
#include <functional>

class QWidget;

namespace comm::monitor {

// The save-file dialog both storage commands use (store and import alike): the program's folder,
// the storage file filter, no default extension, no overwrite question of its own. Empty when
// cancelled.
QString ChooseStorageFile(QWidget* parent);

// The colour dialog starting at `current`; an invalid colour when cancelled.
QColor ChooseBackgroundColour(QWidget* parent, const QColor& current);

// Answer the dialogs instead of showing them, for tests and headless runs. An empty function
// restores the real dialog.
using StorageFileChooser = std::function<QString()>;
void SetStorageFileChooser(StorageFileChooser chooser);
using ColourChooser = std::function<QColor(const QColor& current)>;
void SetColourChooser(ColourChooser chooser);

}  // namespace comm::monitor
