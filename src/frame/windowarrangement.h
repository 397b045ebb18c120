#pragma once

class QMdiArea;

namespace comm {

// Child windows one above the other, each the area's full width.
void TileHorizontally(QMdiArea* area);
// Child windows side by side, each the area's full height.
void TileVertically(QMdiArea* area);
// Minimised child windows in a row along the bottom of the area.
void ArrangeIcons(QMdiArea* area);

}  // namespace comm
