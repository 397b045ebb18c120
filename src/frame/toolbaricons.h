#pragma once

#include <QIcon>
#include <QString>

namespace comm {

// The picture of a keyed toolbar button (t1..t17), drawn at run time; a null icon for any
// other key.
QIcon ToolBarIcon(const QString& key);

}  // namespace comm
