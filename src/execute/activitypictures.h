#pragma once

#include <QPixmap>

#include "runengine.h"

namespace comm {

// The three pictures of the execution window's activity indicators: sending, receiving and idle.
// Drawn, so the program carries no image files.
QPixmap ActivityPicture(RunEngine::Activity activity);

}  // namespace comm
