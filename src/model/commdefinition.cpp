#include "commdefinition.h"

namespace comm {

qint16* CommDefinition::values(FrameSide side, Field field) {
    return const_cast<qint16*>(static_cast<const CommDefinition*>(this)->values(side, field));
}

const qint16* CommDefinition::values(FrameSide side, Field field) const {
    const bool send = side == FrameSide::Send;
    switch (field) {
        case Field::Start:
            return send ? SendStartBytes.data() : RecvStartBytes.data();
        case Field::Data:
            return send ? SendDataBytes.data() : RecvDataBytes.data();
        case Field::Check:
            return send ? SendCheckBytes.data() : RecvCheckBytes.data();
        case Field::End:
            break;
    }
    return send ? SendEndBytes.data() : RecvEndBytes.data();
}

bool CommDefinition::setPortSettings(const SettingIndexes& index) {
    const std::optional<LineSettings> line = LineSettings::fromIndexes(index);
    if (!line) return false;
    PortSettingIndex = index;
    CommSettings = line->text();
    CommSettingsText = line->shownText();
    return true;
}

void CommDefinition::clearCountedValues() {
    for (FrameSide side : {FrameSide::Send, FrameSide::Recv}) {
        for (Field field : {Field::Start, Field::Data, Field::Check, Field::End}) {
            const int n = qBound(0, int(count(side, field)), capacity(field));
            qint16* v = values(side, field);
            for (int i = 0; i < n; ++i) v[i] = kNotEntered;
        }
    }
}

}  // namespace comm
