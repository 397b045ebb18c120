#pragma once

#include <QByteArray>
#include <QString>

#include "commdefinition.h"

namespace comm {

// The bytes the computer writes for one frame, with the lines that list them.
struct SendFrame {
    QByteArray bytes;
    QString listing;
    // A counted position holds the not-entered value: that byte is left out and not listed.
    bool incomplete = false;
    // A stored value outside 0..255 or a count outside its array: the definition is damaged.
    bool invalid = false;
};

// Builds the send frame from the four send fields of def, in wire order. The checksum field
// carries the stored values, or, when the frame names its checksum and every data byte is
// entered, that checksum of the data.
SendFrame BuildSendFrame(const CommDefinition& def);

// Length of the frame the computer receives: the sum of the four receive counts, or -1 when a
// count lies outside its array.
int ReceiveFrameLength(const CommDefinition& def);

}  // namespace comm
