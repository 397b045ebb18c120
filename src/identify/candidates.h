#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace comm {

// The four lists the identification tries, in the order it tries them: baud rate outermost,
// stop bits innermost. Their entries are the window's drop-down lists (Combo1..Combo4).
struct CandidateLists {
    std::array<QStringList, 4> lists;  // baud rate, parity, data bits, stop bits

    // 115200 .. 1200; E, O; 6, 7, 8; 1: the 54 candidates of the window.
    static CandidateLists standard();
    // The standard lists with what devices use most and they leave out: 38400, no parity, two
    // stop bits (180 candidates). The standard ones cannot find an 8N1 device.
    static CandidateLists extended();

    int total() const;
    // "115200,E,6,1": the entries at the four indexes joined by ",".
    QString settings(const std::array<int, 4>& indexes) const;
    // Every candidate's settings in the order tried.
    QStringList all() const;
};

}  // namespace comm
