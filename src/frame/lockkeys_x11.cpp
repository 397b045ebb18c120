#include <QGuiApplication>

#include "lockkeys.h"

// Xlib's macros (Bool, Status, None) clash with names in Qt's headers, so it comes last.
#include <X11/XKBlib.h>

namespace comm {

namespace {
bool indicator(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None) return false;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return false;
    return on;
}
}  // namespace

LockKeyStates ReadLockKeys() {
    LockKeyStates states;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return states;
    states.known = true;
    states.capsLock = indicator(display, "Caps Lock");
    states.numLock = indicator(display, "Num Lock");
    states.scrollLock = indicator(display, "Scroll Lock");
    return states;
}

}  // namespace comm
