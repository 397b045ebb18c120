#pragma once

#include <QString>

namespace comm {

enum class Parity { None, Even, Odd };
enum class StopBits { One, OneAndHalf, Two };

// One settings text ("9600,O,8,1") taken apart.
struct LineSettings {
    int baudRate = 9600;
    Parity parity = Parity::None;
    int dataBits = 8;
    StopBits stopBits = StopBits::One;
};

// What the serial driver of a platform can do beyond the common 5..8 data bits and 1 or 2 stop
// bits.
struct LineCapabilities {
    bool fourDataBits = false;
    bool oneAndHalfStopBits = false;
};

// The capabilities of the back end this program runs on.
LineCapabilities PlatformLineCapabilities();

// Parses the component form "baud,parity,data,stop": any positive decimal baud rate, parity E, O or
// N (either case), data bits 4..8, stop bits 1, 1.5 or 2; blanks around a field are allowed. On
// failure returns false, leaves *settings untouched and puts a message for the user into *error.
bool ParseLineSettings(const QString& text, LineSettings* settings, QString* error);

// Empty when the driver can run these settings; otherwise why not. Nothing is ever adjusted
// silently.
QString LineSettingsRefusal(const LineSettings& settings, const LineCapabilities& capabilities);

// Parse and platform check in one: empty on success (and *settings filled when given), else the
// message.
QString CheckLineSettings(const QString& text, LineSettings* settings = nullptr,
                          const LineCapabilities& capabilities = PlatformLineCapabilities());

// Bits one character occupies on the line: start bit, data bits, parity bit if any, stop bits.
double BitsPerCharacter(const LineSettings& settings);

}  // namespace comm
