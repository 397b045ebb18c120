#include "txlfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include "commkind.h"
#include "filecheck.h"
#include "safesave.h"
#include "txltrailer.h"

namespace comm {

namespace {

// Order of the fields in the value block: each frame's short fields before its data.
constexpr Field kValueOrder[] = {Field::Start, Field::Check, Field::End, Field::Data};

void putInt32(QByteArray* out, qint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out->append(b, 4);
}

void appendValues(const CommDefinition& def, QByteArray* out) {
    for (FrameSide side : {FrameSide::Send, FrameSide::Recv}) {
        for (Field field : kValueOrder) {
            const int n = qBound(0, def.count(side, field), CommDefinition::capacity(field));
            const qint16* v = def.values(side, field);
            for (int i = 0; i < n; ++i) {
                char b[2];
                qToLittleEndian(v[i], b);
                out->append(b, 2);
            }
        }
    }
}

}  // namespace

QString TxlFilter() {
    return QCoreApplication::translate("CommFile", " 通讯文件(*.Txl)|*.Txl|所有文件(*.*)|*.*");
}

QString WrongFormatMessage() {
    return QCoreApplication::translate("CommFile", "该文件的格式不是通讯文件的格式！");
}

QString MissingFileMessage() {
    return QCoreApplication::translate("CommFile", "该文件不存在，请重新打开！");
}

QByteArray EncodeCommFile(const CommDefinition& def, const OptionValues& options, bool withValues) {
    QByteArray out;
    out.append(char(quint8(def.CommKind)));
    for (qint16 index : def.PortSettingIndex) out.append(char(quint8(index)));
    out.append(char(options.loopCount));
    putInt32(&out, options.delay);
    putInt32(&out, options.wait);
    for (qint16 count : def.FrameFieldCount) out.append(char(quint8(count)));
    out.append(char(withValues ? 1 : 0));
    if (withValues) appendValues(def, &out);
    out.append(EncodeCheckNames(def));
    return out;
}

ReadStatus DecodeCommFile(const QByteArray& bytes, CommDefinition* def) {
    const auto byteAt = [&bytes](int i) { return quint8(bytes.at(i)); };
    if (bytes.isEmpty() || !IsCommKind(byteAt(0))) return ReadStatus::WrongFormat;
    if (bytes.size() < kTxlHeaderSize) return ReadStatus::WrongFormat;

    CommDefinition next = *def;
    next.FileCommKind = byteAt(0);
    SettingIndexes index{};
    for (int i = 0; i < 4; ++i) index[i] = byteAt(1 + i);
    if (!next.setPortSettings(index)) return ReadStatus::WrongFormat;

    next.FileLoopCount = byteAt(5);
    next.FileDelayTime = qFromLittleEndian<qint32>(bytes.constData() + 6);
    next.FileWaitTime = qFromLittleEndian<qint32>(bytes.constData() + 10);

    qint64 total = 0;
    for (int i = 0; i < 8; ++i) {
        next.FrameFieldCount[i] = byteAt(14 + i);
        const Field field = static_cast<Field>(i % 4);
        if (next.FrameFieldCount[i] > CommDefinition::capacity(field))
            return ReadStatus::WrongFormat;
        total += next.FrameFieldCount[i];
    }
    next.FileHasValues = byteAt(22);
    next.FrameCheckName = {};

    qsizetype end = kTxlHeaderSize;
    if (next.FileHasValues == 1) {
        if (bytes.size() < kTxlHeaderSize + 2 * total) return ReadStatus::WrongFormat;
        const char* p = bytes.constData() + kTxlHeaderSize;
        for (FrameSide side : {FrameSide::Send, FrameSide::Recv}) {
            for (Field field : kValueOrder) {
                qint16* v = next.values(side, field);
                for (int i = 0; i < next.count(side, field); ++i, p += 2) {
                    const qint16 value = qFromLittleEndian<qint16>(p);
                    if (value < kNotEntered || value > 255) return ReadStatus::WrongFormat;
                    v[i] = value;
                }
            }
        }
        end += 2 * total;
    } else {
        next.clearCountedValues();
    }
    // A trailer that is cut, damaged or of another version is ignored with all else after it.
    DecodeCheckNames(bytes, end, &next.FrameCheckName);
    *def = next;
    return ReadStatus::Ok;
}

ReadStatus ReadCommFile(const QString& path, CommDefinition* def, QString* error) {
    const FileCheck check = CheckFileToRead(path, kTxlMaxFileSize);
    if (!check.ok()) {
        const bool missing = check.problem == FileCheck::Problem::Missing;
        if (error) *error = missing ? MissingFileMessage() : check.message;
        return missing ? ReadStatus::Missing : ReadStatus::Unreadable;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QCoreApplication::translate("CommFile", "打开该文件失败：%1")
                         .arg(file.errorString());
        return ReadStatus::Unreadable;
    }
    // The largest valid file is a few kilobytes; reading more than that proves nothing.
    const qint64 limit =
        kTxlHeaderSize + 2 * (6 * kFieldCapacity + 2 * kDataCapacity) + kMaxTrailerSize;
    const QByteArray bytes = file.read(limit);
    const ReadStatus status = DecodeCommFile(bytes, def);
    if (status == ReadStatus::WrongFormat && error) *error = WrongFormatMessage();
    return status;
}

bool WriteCommFile(const QString& path, const CommDefinition& def, CommOptions* options,
                   bool withValues, QString* error) {
    const OptionValues values = ResolveFileOptions(def.CommKind, options);
    const QByteArray bytes = EncodeCommFile(def, values, withValues);
    QString reason;
    if (!SaveFileWhole(path, bytes, &reason)) {
        if (error)
            *error = QCoreApplication::translate("CommFile", "保存通讯文件失败：%1").arg(reason);
        return false;
    }
    return true;
}

}  // namespace comm
