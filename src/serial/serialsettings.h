#pragma once

#include <QString>

#include "linesettings.h"

namespace comm {

// What the serial driver of a platform can do beyond the common 5..8 data bits and 1 or 2 stop
// bits.
struct LineCapabilities {
    bool fourDataBits = false;
    bool oneAndHalfStopBits = false;
};

// The capabilities of the back end this program runs on.
LineCapabilities PlatformLineCapabilities();

// Empty when the driver can run these settings; otherwise why not. Nothing is ever adjusted
// silently.
QString LineSettingsRefusal(const LineSettings& settings, const LineCapabilities& capabilities);

// Reading a component text (LineSettings::parse) and the platform check in one: empty on success
// (and *settings filled when given), else the message.
QString CheckLineSettings(const QString& text, LineSettings* settings = nullptr,
                          const LineCapabilities& capabilities = PlatformLineCapabilities());

}  // namespace comm
