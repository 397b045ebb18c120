#pragma once

class QWidget;

namespace comm::ui {

// Gives the widget the keyboard focus whenever the mouse pointer moves onto it while it is
// enabled, the way every button and edit box of the program behaves.
void GiveFocusOnHover(QWidget* widget);

}  // namespace comm::ui
