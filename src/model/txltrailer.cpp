#include "txltrailer.h"

namespace comm {

namespace {

constexpr char kTag[] = {'C', 'K', 'N', 'M'};
constexpr quint8 kVersion = 1;
constexpr int kTagSize = 4;
// Tag, version, payload length; then the payload and its CRC-16/MODBUS over all before it.
constexpr int kHeadSize = kTagSize + 2;
constexpr int kSumSize = 2;
// One byte a frame: 0 for none, else the checksum's number plus one.
constexpr int kNamesSize = 2;

quint8 NameByte(std::optional<Checksum> name) {
    return name ? quint8(static_cast<int>(*name) + 1) : 0;
}

}  // namespace

QByteArray EncodeCheckNames(const CommDefinition& def) {
    if (!def.checkName(FrameSide::Send) && !def.checkName(FrameSide::Recv)) return {};
    QByteArray out(kTag, kTagSize);
    out.append(char(kVersion));
    out.append(char(kNamesSize));
    out.append(char(NameByte(def.checkName(FrameSide::Send))));
    out.append(char(NameByte(def.checkName(FrameSide::Recv))));
    out.append(ComputeChecksum(Checksum::Crc16Modbus, out));
    return out;
}

bool DecodeCheckNames(const QByteArray& bytes, qsizetype at,
                      std::array<std::optional<Checksum>, 2>* names) {
    if (at < 0 || bytes.size() - at < kHeadSize) return false;
    const QByteArray head = bytes.mid(at, kHeadSize);
    if (head.left(kTagSize) != QByteArray(kTag, kTagSize)) return false;
    if (quint8(head[kTagSize]) != kVersion) return false;
    const int payload = quint8(head[kTagSize + 1]);
    if (payload < kNamesSize || bytes.size() - at < kHeadSize + payload + kSumSize) return false;
    const QByteArray body = bytes.mid(at, kHeadSize + payload);
    if (ComputeChecksum(Checksum::Crc16Modbus, body) != bytes.mid(at + body.size(), kSumSize))
        return false;
    std::array<std::optional<Checksum>, 2> read{};
    const int known = int(Checksums().size());
    for (int side = 0; side < 2; ++side) {
        const int n = quint8(body[kHeadSize + side]);
        if (n > known) return false;
        if (n > 0) read[side] = static_cast<Checksum>(n - 1);
    }
    *names = read;
    return true;
}

}  // namespace comm
