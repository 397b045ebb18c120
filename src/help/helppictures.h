#pragma once

#include <QPixmap>

namespace comm::help {

// Pictures of the help tree: 1 the root, 2 a group, 3 a topic. Null for other numbers.
QPixmap HelpTreePicture(int number);

// The program's picture shown in the about box.
QPixmap ProgramPicture();

}  // namespace comm::help
