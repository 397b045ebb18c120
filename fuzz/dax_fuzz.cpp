// Feeds arbitrary bytes to the storage file reader: it must never read past the input, never
// give more bytes than the capture buffer holds, and an accepted capture must store and read
// back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "daxfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    const comm::DaxContent content = comm::DecodeDax(bytes);
    if (content.status == comm::DaxStatus::TooLong) {
        if (content.declaredCount <= comm::kDaxMaxCount || !content.bytes.isEmpty()) abort();
        return 0;
    }
    if (content.status != comm::DaxStatus::Ok) abort();
    if (content.bytes.size() > content.declaredCount || content.bytes.size() > comm::kDaxMaxCount)
        abort();
    if (content.bytes != bytes.mid(2, content.bytes.size())) abort();
    const QByteArray again = comm::EncodeDax(content.bytes);
    const comm::DaxContent second = comm::DecodeDax(again);
    if (second.status != comm::DaxStatus::Ok || second.bytes != content.bytes) abort();
    return 0;
}
