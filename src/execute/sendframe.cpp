#include "sendframe.h"

#include "framechecksum.h"
#include "runtext.h"

namespace comm {

namespace {
constexpr Field kWireOrder[] = {Field::Start, Field::Data, Field::Check, Field::End};
}

SendFrame BuildSendFrame(const CommDefinition& stored) {
    // A frame that names its checksum sends that checksum of its data, whatever the field holds.
    CommDefinition def = stored;
    if (const std::optional<Checksum> name = def.checkName(FrameSide::Send))
        FillFrameChecksum(&def, FrameSide::Send, *name);
    SendFrame frame;
    for (Field field : kWireOrder) {
        const int n = def.count(FrameSide::Send, field);
        if (n < 0 || n > CommDefinition::capacity(field)) {
            frame.invalid = true;
            continue;
        }
        const qint16* values = def.values(FrameSide::Send, field);
        for (int i = 0; i < n; ++i) {
            const int v = values[i];
            if (v == kNotEntered) {
                frame.incomplete = true;
                continue;
            }
            if (v < 0 || v > 255) {
                frame.invalid = true;
                continue;
            }
            frame.listing += FieldLine(v, field, i + 1);
            frame.bytes.append(char(quint8(v)));
        }
    }
    return frame;
}

int ReceiveFrameLength(const CommDefinition& def) {
    int length = 0;
    for (Field field : kWireOrder) {
        const int n = def.count(FrameSide::Recv, field);
        if (n < 0 || n > CommDefinition::capacity(field)) return -1;
        length += n;
    }
    return length;
}

}  // namespace comm
