#pragma once

#include <QString>

#include "linesettings.h"

namespace comm {

// What the serial driver of a platform can do beyond the common 5..8 data bits and 1 or 2 stop
// bits.
struct LineCapabilities {
    bool fourDataBits = false;
    bool oneAndHalfStopBits = false;
    bool markSpaceParity = true;
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

// The parity bit a port can send beyond the three of a communication: always 1 or always 0.
enum class StickParity { None, Mark, Space };

// What a port's settings text may hold: a communication's settings (LineSettings) and the
// parity letters M (mark) and S (space), which only the terminal offers. A communication's text
// is read as before by LineSettings::parse; this reading is the port's own.
struct PortSettings {
    LineSettings line;  // its parity is None under a stick parity
    StickParity stick = StickParity::None;

    // "230400,M,8,1"
    QString text() const;
    // Start bit, data bits, parity bit if any, stop bits.
    double bitsPerCharacter() const;

    // Reads what LineSettings::parse reads, and M or S (either case) for the parity. On failure
    // false with the message in *error and *settings untouched.
    static bool parse(const QString& text, PortSettings* settings, QString* error);
};

// The port's reading (PortSettings::parse) and the platform check in one: empty on success
// (and *settings filled when given), else the message.
QString CheckPortSettings(const QString& text, PortSettings* settings = nullptr,
                          const LineCapabilities& capabilities = PlatformLineCapabilities());

}  // namespace comm
