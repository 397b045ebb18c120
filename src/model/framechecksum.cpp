#include "framechecksum.h"

#include <QCoreApplication>

namespace comm {

ChecksumFill FillFrameChecksum(CommDefinition* def, FrameSide side, Checksum kind) {
    const int dataCount = qBound(0, def->count(side, Field::Data), kDataCapacity);
    const qint16* data = def->values(side, Field::Data);
    QByteArray bytes;
    bytes.reserve(dataCount);
    for (int i = 0; i < dataCount; ++i) {
        if (data[i] < 0 || data[i] > 255) return ChecksumFill::DataIncomplete;
        bytes.append(char(data[i]));
    }
    const int fieldCount = qBound(0, def->count(side, Field::Check), kFieldCapacity);
    if (fieldCount == 0) return ChecksumFill::NoCheckField;
    const QByteArray result = ComputeChecksum(kind, bytes);
    if (result.size() > fieldCount) return ChecksumFill::TooLong;
    qint16* check = def->values(side, Field::Check);
    for (int i = 0; i < result.size(); ++i) check[i] = qint16(quint8(result[i]));
    return ChecksumFill::Written;
}

QString ChecksumFillMessage(ChecksumFill fill, const ChecksumInfo& info, int fieldCount) {
    switch (fill) {
        case ChecksumFill::Written:
            break;
        case ChecksumFill::DataIncomplete:
            return QCoreApplication::translate(
                "FrameChecksum", "数据位中还有未输入的字节，请先输入完整再计算校验！");
        case ChecksumFill::NoCheckField:
            return QCoreApplication::translate("FrameChecksum",
                                               "该幀没有校验位，无法写入校验结果！");
        case ChecksumFill::TooLong:
            return QCoreApplication::translate(
                       "FrameChecksum", "%1的结果有%2个字节，比校验位(%3位)长，未写入任何字节！")
                .arg(info.caption())
                .arg(info.bytes)
                .arg(fieldCount);
    }
    return {};
}

}  // namespace comm
