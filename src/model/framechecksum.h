#pragma once

#include <QString>

#include "checksums.h"
#include "commdefinition.h"

namespace comm {

// How writing a checksum into a frame's checksum field went.
enum class ChecksumFill {
    Written,         // the result stands in the first entries of the field
    DataIncomplete,  // a data byte is not entered: nothing written
    NoCheckField,    // the frame has no checksum bytes: nothing written
    TooLong,         // the result has more bytes than the field: nothing written
};

// Computes the checksum over the data bytes of one frame of the definition and stores it, in
// wire order, into the first entries of that frame's checksum field, as typed bytes are stored.
// A field longer than the result keeps its other entries as they are, so a protocol that pads
// its checksum can have the padding typed by hand.
ChecksumFill FillFrameChecksum(CommDefinition* def, FrameSide side, Checksum kind);

// What the document window says when a fill wrote nothing; empty for Written.
QString ChecksumFillMessage(ChecksumFill fill, const ChecksumInfo& info, int fieldCount);

}  // namespace comm
