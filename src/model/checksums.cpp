#include "checksums.h"

#include <QCoreApplication>

namespace comm {

namespace {

quint8 Sum(const QByteArray& data) {
    quint8 sum = 0;
    for (char c : data) sum = quint8(sum + quint8(c));
    return sum;
}

quint8 Crc8(const QByteArray& data) {
    quint8 crc = 0;
    for (char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit) crc = quint8(crc & 0x80 ? (crc << 1) ^ 0x07 : crc << 1);
    }
    return crc;
}

quint16 Crc16Modbus(const QByteArray& data) {
    quint16 crc = 0xFFFF;
    for (char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit) crc = quint16(crc & 1 ? (crc >> 1) ^ 0xA001 : crc >> 1);
    }
    return crc;
}

quint16 Crc16CcittFalse(const QByteArray& data) {
    quint16 crc = 0xFFFF;
    for (char c : data) {
        crc ^= quint16(quint8(c) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = quint16(crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

quint32 Crc32(const QByteArray& data) {
    quint32 crc = 0xFFFFFFFFu;
    for (char c : data) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

QByteArray LowFirst(quint32 value, int bytes) {
    QByteArray out;
    for (int i = 0; i < bytes; ++i) out.append(char((value >> (8 * i)) & 0xFF));
    return out;
}

QByteArray HighFirst(quint32 value, int bytes) {
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i) out.append(char((value >> (8 * i)) & 0xFF));
    return out;
}

}  // namespace

const QList<ChecksumInfo>& Checksums() {
    static const QList<ChecksumInfo> list = {
        {Checksum::Sum8, "sum8", QT_TRANSLATE_NOOP("Checksums", "累加和"), 1},
        {Checksum::Lrc8, "lrc", QT_TRANSLATE_NOOP("Checksums", "LRC(累加和取补)"), 1},
        {Checksum::Xor8, "xor", QT_TRANSLATE_NOOP("Checksums", "异或"), 1},
        {Checksum::Crc8, "crc8", "CRC-8", 1},
        {Checksum::Crc16Modbus, "crc16-modbus",
         QT_TRANSLATE_NOOP("Checksums", "CRC-16/MODBUS(低字节在前)"), 2},
        {Checksum::Crc16CcittFalse, "crc16-ccitt-false",
         QT_TRANSLATE_NOOP("Checksums", "CRC-16/CCITT-FALSE(高字节在前)"), 2},
        {Checksum::Crc32, "crc32", QT_TRANSLATE_NOOP("Checksums", "CRC-32(低字节在前)"), 4},
    };
    return list;
}

QString ChecksumInfo::caption() const {
    return QCoreApplication::translate("Checksums", captionSource);
}

const ChecksumInfo& ChecksumOf(Checksum kind) {
    for (const ChecksumInfo& info : Checksums())
        if (info.kind == kind) return info;
    return Checksums().first();
}

const ChecksumInfo* FindChecksum(const QString& name) {
    for (const ChecksumInfo& info : Checksums())
        if (name == QLatin1String(info.name)) return &info;
    return nullptr;
}

QByteArray ComputeChecksum(Checksum kind, const QByteArray& data) {
    switch (kind) {
        case Checksum::Sum8:
            return QByteArray(1, char(Sum(data)));
        case Checksum::Lrc8:
            return QByteArray(1, char(quint8(-Sum(data))));
        case Checksum::Xor8: {
            quint8 x = 0;
            for (char c : data) x ^= quint8(c);
            return QByteArray(1, char(x));
        }
        case Checksum::Crc8:
            return QByteArray(1, char(Crc8(data)));
        case Checksum::Crc16Modbus:
            return LowFirst(Crc16Modbus(data), 2);
        case Checksum::Crc16CcittFalse:
            return HighFirst(Crc16CcittFalse(data), 2);
        case Checksum::Crc32:
            return LowFirst(Crc32(data), 4);
    }
    return {};
}

}  // namespace comm
