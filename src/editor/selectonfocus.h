#pragma once

class QLineEdit;

namespace comm {

// Makes the box select its whole text every time it gets the keyboard focus, however the focus
// comes (key, mouse, pointer hover or the program), and again at every plain click into it, so
// that typing replaces what it shows.
void SelectAllOnFocus(QLineEdit* box);

}  // namespace comm
