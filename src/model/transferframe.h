#pragma once

#include <QByteArray>
#include <QString>

// The file transfer protocol between two copies of the program: 16-byte frames whose byte 15 is
// the sum of bytes 0..14 modulo 256, a header frame with the transfer name and the 24-bit size,
// data frames of 15 file bytes, and one-byte replies. Bytes in, bytes out: no port, no clock.
namespace comm::transfer {

constexpr int kFrameSize = 16;
constexpr int kPayloadSize = 15;
constexpr int kNameSize = 12;
// Largest size the header's three bytes can carry.
constexpr qint64 kMaxFileSize = 0xFFFFFF;
// Replies of the receiver: frame good and taken ('f'), frame bad, send it again ('U').
constexpr char kReplyGood = 0x66;
constexpr char kReplyBad = 0x55;
// Both ends run the line at these settings, whatever else is set.
inline const QString kLineSettings = QStringLiteral("57600,O,8,1");

// The sum of bytes 0..14 modulo 256.
quint8 FrameChecksum(const QByteArray& frame);
// 16 bytes whose byte 15 is their checksum.
bool FrameIsGood(const QByteArray& frame);

// The bare name of a path (after its last "\" or "/"), made 12 characters long: padded with
// blanks; a longer name with a "." keeps its first 8 characters and everything from its first
// "." on, then is padded or cut to 12; a longer one without keeps its first 12.
QString TransferName(const QString& path);
// Whether every character has a single-byte code the far end reads alike: printable ASCII.
bool TransferNameIsSendable(const QString& transferName);

// The header frame for a sendable name and a size of at most kMaxFileSize.
QByteArray HeaderFrame(const QString& transferName, qint64 size);
// The name bytes (0..11) and the size (bytes 12..14, most significant first) of a header.
QByteArray HeaderNameBytes(const QByteArray& frame);
qint64 HeaderSize(const QByteArray& frame);

// N: data frames for a file of size bytes, size / 15 rounded up.
int DataFrameCount(qint64 size);
// File bytes that data frame j (1..N) carries, and where in the file they start.
int DataFramePayload(qint64 size, int j);
inline qint64 DataFrameOffset(int j) {
    return qint64(j - 1) * kPayloadSize;
}
// A data frame: the payload (at most 15 bytes) from byte 0, zero filler, the checksum.
QByteArray DataFrame(const QByteArray& payload);

// The received name as the window shows it: bytes 0..11, one character each (Latin-1), a control
// character shown as the replacement character.
QString NameFromWire(const QByteArray& nameBytes);

// A file name that is safe to create in the receive folder for the name a header carries. The
// name is data from the wire: a zero byte counts as a blank (some senders pad with them), blanks
// and dots around the name go, every character outside printable ASCII and every one a file
// system reads as a separator or a wildcard becomes "_", a leading
// "." becomes "_" (no "..", no hidden file), nothing left gives "unnamed", and a name the
// program's own files use gets kReservedPrefix in front.
QString SafeReceivedName(const QByteArray& nameBytes);
inline const QString kReservedPrefix = QStringLiteral("received_");
// Names the program needs beside it (Comm, comm-cli, Holdpane, rs232sim with any extension, its
// help file, its libraries, qt.conf) and the device names Windows keeps for itself.
bool IsReservedName(const QString& fileName);

}  // namespace comm::transfer
