#pragma once

#include <QByteArray>
#include <QList>

#include "commdefinition.h"

// Communications for the run tests: a kind, the settings and the bytes of each field; -1 in a
// list is a byte the user has not entered.
namespace testdefs {

inline void fill(comm::CommDefinition* def, comm::FrameSide side, comm::Field field,
                 const QList<int>& values) {
    def->FrameFieldCount[comm::CommDefinition::countIndex(side, field)] = qint16(values.size());
    qint16* v = def->values(side, field);
    for (int i = 0; i < values.size(); ++i) v[i] = qint16(values[i]);
}

inline comm::CommDefinition make(int kind, const QList<int>& sendStart, const QList<int>& sendData,
                                 const QList<int>& sendCheck, const QList<int>& sendEnd,
                                 const QList<int>& recvCounts = {0, 0, 0, 0},
                                 comm::SettingIndexes settings = {6, 4, 2, 0}) {
    comm::CommDefinition def;
    def.CommKind = qint16(kind);
    def.setPortSettings(settings);
    using comm::Field;
    using comm::FrameSide;
    fill(&def, FrameSide::Send, Field::Start, sendStart);
    fill(&def, FrameSide::Send, Field::Data, sendData);
    fill(&def, FrameSide::Send, Field::Check, sendCheck);
    fill(&def, FrameSide::Send, Field::End, sendEnd);
    const Field fields[] = {Field::Start, Field::Data, Field::Check, Field::End};
    for (int f = 0; f < 4; ++f) {
        // The receive values are never used by a run; leave them not entered.
        fill(&def, FrameSide::Recv, fields[f], QList<int>(recvCounts.value(f), -1));
    }
    return def;
}

inline QByteArray bytes(const QList<int>& values) {
    QByteArray out;
    for (int v : values) out.append(char(quint8(v)));
    return out;
}

}  // namespace testdefs
