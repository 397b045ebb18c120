#include "transferframe.h"

#include <QRegularExpression>

#include "checksums.h"

namespace comm::transfer {

namespace {

bool isPrintableAscii(QChar c) {
    return c.unicode() >= 0x20 && c.unicode() < 0x7F;
}

void seal(QByteArray* frame) {
    (*frame)[kFrameSize - 1] = char(FrameChecksum(*frame));
}

}  // namespace

quint8 FrameChecksum(const QByteArray& frame) {
    return quint8(ComputeChecksum(Checksum::Sum8, frame.left(kFrameSize - 1)).at(0));
}

bool FrameIsGood(const QByteArray& frame) {
    return frame.size() == kFrameSize && quint8(frame[kFrameSize - 1]) == FrameChecksum(frame);
}

QString TransferName(const QString& path) {
    const qsizetype cut =
        qMax(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    const QString bare = path.mid(cut + 1);
    QString name = bare;
    if (bare.size() > kNameSize) {
        const qsizetype dot = bare.indexOf(QLatin1Char('.'));
        name = dot >= 0 ? bare.left(8) + bare.mid(dot) : bare;
    }
    return name.left(kNameSize).leftJustified(kNameSize, QLatin1Char(' '));
}

bool TransferNameIsSendable(const QString& transferName) {
    for (QChar c : transferName)
        if (!isPrintableAscii(c)) return false;
    return true;
}

QByteArray HeaderFrame(const QString& transferName, qint64 size) {
    QByteArray frame(kFrameSize, '\0');
    const QByteArray name = transferName.toLatin1();
    for (int i = 0; i < kNameSize && i < name.size(); ++i) frame[i] = name[i];
    frame[12] = char((size >> 16) & 0xFF);
    frame[13] = char((size >> 8) & 0xFF);
    frame[14] = char(size & 0xFF);
    seal(&frame);
    return frame;
}

QByteArray HeaderNameBytes(const QByteArray& frame) {
    return frame.left(kNameSize);
}

qint64 HeaderSize(const QByteArray& frame) {
    if (frame.size() < kFrameSize) return 0;
    return qint64(quint8(frame[12])) * 65536 + qint64(quint8(frame[13])) * 256 + quint8(frame[14]);
}

int DataFrameCount(qint64 size) {
    return size <= 0 ? 0 : int((size + kPayloadSize - 1) / kPayloadSize);
}

int DataFramePayload(qint64 size, int j) {
    const qint64 left = size - DataFrameOffset(j);
    return int(qBound(qint64(0), left, qint64(kPayloadSize)));
}

QByteArray DataFrame(const QByteArray& payload) {
    QByteArray frame(kFrameSize, '\0');
    for (int i = 0; i < kPayloadSize && i < payload.size(); ++i) frame[i] = payload[i];
    seal(&frame);
    return frame;
}

QString NameFromWire(const QByteArray& nameBytes) {
    QString name = QString::fromLatin1(nameBytes.left(kNameSize));
    for (QChar& c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QChar::ReplacementCharacter;
    return name;
}

QString SafeReceivedName(const QByteArray& nameBytes) {
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    QString name = QString::fromLatin1(nameBytes.left(kNameSize));
    for (QChar& c : name) {
        // Some senders pad with zero bytes instead of blanks.
        if (c.unicode() == 0)
            c = QLatin1Char(' ');
        else if (!isPrintableAscii(c) || kForbidden.contains(c))
            c = QLatin1Char('_');
    }
    // Blanks and dots around a name are lost on some systems; "a." and "a" must be one name.
    static const QRegularExpression kEnds(QStringLiteral("^ +|[ .]+$"));
    name.remove(kEnds);
    for (QChar& c : name) {
        if (c != QLatin1Char('.')) break;
        c = QLatin1Char('_');
    }
    if (name.isEmpty()) return QStringLiteral("unnamed");
    if (IsReservedName(name)) return kReservedPrefix + name;
    return name;
}

bool IsReservedName(const QString& fileName) {
    static const QRegularExpression kReserved(
        QStringLiteral("^(comm|comm-cli|holdpane|rs232sim|con|prn|aux|nul|com[0-9]|lpt[0-9])"
                       "(\\..*)?$|^qt\\.conf$|\\.dll$|^lib.*\\.so(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return kReserved.match(fileName).hasMatch();
}

}  // namespace comm::transfer
