#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace comm {

// The checksums device protocols put after their data, as the bytes they stand as on the wire.
enum class Checksum {
    Sum8,             // sum of the bytes modulo 256
    Lrc8,             // two's complement of that sum (the sum of data and check is 0)
    Xor8,             // all bytes exclusive-or'ed
    Crc8,             // CRC-8, polynomial 0x07, initial 0, no reflection
    Crc16Modbus,      // CRC-16/MODBUS, low byte first on the wire
    Crc16CcittFalse,  // CRC-16/CCITT-FALSE, high byte first
    Crc32,            // CRC-32 (IEEE 802.3), low byte first as Ethernet and zip send it
};

struct ChecksumInfo {
    Checksum kind;
    // The name comm-cli takes and a communication file's trailer stores ("sum8",
    // "crc16-modbus", ...): data, the same in every interface language.
    const char* name;
    const char* captionSource;  // the Chinese of caption(), for the translation system
    int bytes;                  // how many bytes it puts on the wire

    // What the windows and the printout show, in the interface language.
    QString caption() const;
};

// Every checksum in the order the window offers them.
const QList<ChecksumInfo>& Checksums();
// The entry of a checksum.
const ChecksumInfo& ChecksumOf(Checksum kind);
// The entry of a comm-cli name; null when there is none.
const ChecksumInfo* FindChecksum(const QString& name);

// The checksum of data as its bytes in wire order.
QByteArray ComputeChecksum(Checksum kind, const QByteArray& data);

}  // namespace comm
