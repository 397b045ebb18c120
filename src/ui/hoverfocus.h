#pragma once

class QWidget;

namespace comm::ui {

// Gives the widget the keyboard focus whenever the mouse pointer moves onto it while it is
// enabled, the way every button and edit box of the program behaves. For widgets that are neither
// (a drawing area that takes keys).
void GiveFocusOnHover(QWidget* widget);

// The same for every command button and edit box inside the window, those made later included:
// one call when the window is built.
void GiveFocusOnHoverWithin(QWidget* window);

}  // namespace comm::ui
