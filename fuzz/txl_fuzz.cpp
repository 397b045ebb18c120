// Feeds arbitrary bytes to the communication file reader: it must refuse or accept without
// reading past the input or writing past an array, and an accepted file must write back to a
// file that reads the same, checksum names of its trailer included.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "txlfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    comm::CommDefinition def;
    if (comm::DecodeCommFile(bytes, &def) != comm::ReadStatus::Ok) return 0;
    def.CommKind = def.FileCommKind;
    comm::OptionValues options{def.FileLoopCount, def.FileDelayTime, def.FileWaitTime};
    const QByteArray again = comm::EncodeCommFile(def, options, def.FileHasValues == 1);
    comm::CommDefinition second;
    if (comm::DecodeCommFile(again, &second) != comm::ReadStatus::Ok) abort();
    if (second.FrameFieldCount != def.FrameFieldCount ||
        second.SendDataBytes != def.SendDataBytes || second.RecvDataBytes != def.RecvDataBytes ||
        second.FrameCheckName != def.FrameCheckName)
        abort();
    return 0;
}
