#pragma once

#include <QPixmap>

#include "runengine.h"

namespace comm {

// The three pictures of the execution window's activity indicators (Image3 indexes 2, 3 and 4):
// sending, receiving and idle. Drawn, so the program carries no image files.
QPixmap ActivityPicture(RunEngine::Picture picture);

}  // namespace comm
