#pragma once

#include <QPixmap>

namespace comm {

// The port lamp's two pictures (Image2 indexes 2 and 1): a nine-pin connector, lit green while
// the port is open, grey while it is closed. Drawn, so the program carries no image files.
QPixmap PortLampPicture(bool open);

// The result list's picture for a possible setting, and the one that marks the most likely.
QPixmap CandidatePicture(bool mostLikely);

}  // namespace comm
