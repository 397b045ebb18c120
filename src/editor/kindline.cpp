#include "kindline.h"

namespace comm {

QString KindLine(int kind) {
    switch (kind) {
        case 1:
            return QStringLiteral("1.发送数据后不向微机回送数据");
        case 2:
            return QStringLiteral("1.接收数据后不向下位机回送数据");
        case 3:
            return QStringLiteral("1.发送数据后向微机回送数据");
        case 4:
            return QStringLiteral("1.接收数据后向下位机回送数据");
        default:
            return {};
    }
}

}  // namespace comm
