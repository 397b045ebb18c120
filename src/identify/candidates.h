#pragma once

#include <QStringList>
#include <QVector>
#include <array>

#include "linesettings.h"

namespace comm {

// The four lists the identification tries, in the order it tries them: baud rate outermost,
// stop bits innermost. Their entries are the window's drop-down lists (Combo1..Combo4).
struct CandidateLists {
    QVector<int> baudRates;
    QVector<Parity> parities;
    QVector<int> dataBits;
    QVector<StopBits> stopBits;

    // 115200 .. 1200; E, O; 6, 7, 8; 1: the 54 candidates of the window.
    static CandidateLists standard();
    // The standard lists with what devices use most and they leave out: 38400, no parity, two
    // stop bits (180 candidates). The standard ones cannot find an 8N1 device.
    static CandidateLists extended();

    // The length of list 0..3.
    int size(int list) const;
    int total() const;
    // The entries of list 0..3 as the drop-down lists show them: "115200", "E", "6", "1".
    QStringList entries(int list) const;
    // The candidate at the four indexes.
    LineSettings candidate(const std::array<int, 4>& indexes) const;
    // Every candidate in the order tried.
    QVector<LineSettings> all() const;
};

}  // namespace comm
