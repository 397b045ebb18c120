#include "commjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <limits>

#include "framechecksum.h"
#include "jsonwriter.h"
#include "linesettings.h"

using comm::CommDefinition;
using comm::Field;
using comm::FrameSide;

namespace cli {

namespace {

constexpr Field kFields[] = {Field::Start, Field::Data, Field::Check, Field::End};
const char* const kFieldKeys[] = {"start", "data", "check", "end"};

QJsonArray numbers(const qint16* v, int n) {
    QJsonArray out;
    for (int i = 0; i < n; ++i) out.append(v[i]);
    return out;
}

JsonWriter frame(const CommDefinition& def, FrameSide side) {
    JsonWriter out;
    for (int f = 0; f < 4; ++f)
        out.add(QLatin1String(kFieldKeys[f]),
                numbers(def.values(side, kFields[f]), def.count(side, kFields[f])));
    return out;
}

bool intIn(const QJsonValue& v, qint64 lo, qint64 hi, qint64* out) {
    if (!v.isDouble()) return false;
    const double d = v.toDouble();
    if (d != double(qint64(d)) || d < double(lo) || d > double(hi)) return false;
    *out = qint64(d);
    return true;
}

// The checksum named in place of a side's check bytes, written as the document window's helper
// writes it.
bool fillCheck(CommDefinition* d, FrameSide side, const QString& name, QString* error) {
    const char* sideKey = side == FrameSide::Send ? "send" : "recv";
    const comm::ChecksumInfo* info = comm::FindChecksum(name);
    if (!info) {
        QStringList names;
        for (const comm::ChecksumInfo& c : comm::Checksums()) names << QLatin1String(c.name);
        *error = QStringLiteral("\"%1\".\"check\": no checksum \"%2\" (one of %3)")
                     .arg(QLatin1String(sideKey), name, names.join(QStringLiteral(", ")));
        return false;
    }
    switch (comm::FillFrameChecksum(d, side, info->kind)) {
        case comm::ChecksumFill::Written:
            return true;
        case comm::ChecksumFill::DataIncomplete:
            *error = QStringLiteral("\"%1\".\"check\": every data byte must be given for %2")
                         .arg(QLatin1String(sideKey), name);
            return false;
        case comm::ChecksumFill::NoCheckField:
        case comm::ChecksumFill::TooLong:
            break;
    }
    *error = QStringLiteral("\"%1\".\"check\": %2 gives %3 bytes, the checksum field has %4")
                 .arg(QLatin1String(sideKey), name)
                 .arg(info->bytes)
                 .arg(d->count(side, Field::Check));
    return false;
}

}  // namespace

QByteArray CommToJson(const CommDefinition& def) {
    return JsonWriter()
        .add(QStringLiteral("kind"), def.FileCommKind)
        .add(QStringLiteral("settings"), def.CommSettings)
        .add(QStringLiteral("settingsText"), def.CommSettingsText)
        .add(QStringLiteral("portSettingIndex"), numbers(def.PortSettingIndex.data(), 4))
        .add(QStringLiteral("loopCount"), def.FileLoopCount)
        .add(QStringLiteral("delay"), def.FileDelayTime)
        .add(QStringLiteral("wait"), def.FileWaitTime)
        .add(QStringLiteral("counts"), numbers(def.FrameFieldCount.data(), 8))
        .add(QStringLiteral("hasValues"), def.FileHasValues == 1)
        .add(QStringLiteral("send"), frame(def, FrameSide::Send))
        .add(QStringLiteral("recv"), frame(def, FrameSide::Recv))
        .toJson();
}

bool CommFromJson(const QByteArray& json, CommDefinition* def, comm::CommOptions* options,
                  QString* error) {
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull() || !doc.isObject()) {
        *error = QStringLiteral("not a JSON object: %1").arg(parseError.errorString());
        return false;
    }
    const QJsonObject o = doc.object();
    CommDefinition d;
    qint64 v = 0;
    if (!intIn(o.value("kind"), 1, 4, &v)) {
        *error = QStringLiteral("\"kind\" must be 1, 2, 3 or 4");
        return false;
    }
    d.CommKind = qint16(v);

    const QJsonArray index = o.value("portSettingIndex").toArray();
    const qint64 indexMax[4] = {12, 4, 2, 2};
    if (index.size() != 4) {
        *error = QStringLiteral("\"portSettingIndex\" must hold four indexes");
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        if (!intIn(index[i], 0, indexMax[i], &v)) {
            *error =
                QStringLiteral("\"portSettingIndex\"[%1] must be 0..%2").arg(i).arg(indexMax[i]);
            return false;
        }
        d.PortSettingIndex[i] = qint16(v);
    }
    d.setPortSettings(d.PortSettingIndex);

    const QJsonArray counts = o.value("counts").toArray();
    if (counts.size() != 8) {
        *error = QStringLiteral("\"counts\" must hold eight counts");
        return false;
    }
    for (int i = 0; i < 8; ++i) {
        const int cap = CommDefinition::capacity(kFields[i % 4]);
        if (!intIn(counts[i], 0, qMin(cap, 255), &v)) {
            *error = QStringLiteral("\"counts\"[%1] must be 0..%2").arg(i).arg(qMin(cap, 255));
            return false;
        }
        d.FrameFieldCount[i] = qint16(v);
    }
    d.clearCountedValues();

    for (FrameSide side : {FrameSide::Send, FrameSide::Recv}) {
        const char* sideKey = side == FrameSide::Send ? "send" : "recv";
        if (!o.contains(sideKey)) continue;
        const QJsonObject f = o.value(sideKey).toObject();
        for (int k = 0; k < 4; ++k) {
            // "check":"crc16-modbus" stands for the checksum of the data, filled in below.
            if (kFields[k] == Field::Check && f.value(kFieldKeys[k]).isString()) continue;
            const QJsonArray values = f.value(kFieldKeys[k]).toArray();
            const int n = d.count(side, kFields[k]);
            if (values.size() != n) {
                *error = QStringLiteral("\"%1\".\"%2\" must hold %3 values")
                             .arg(sideKey, kFieldKeys[k])
                             .arg(n);
                return false;
            }
            for (int i = 0; i < n; ++i) {
                if (!intIn(values[i], -1, 255, &v)) {
                    *error = QStringLiteral("\"%1\".\"%2\"[%3] must be -1..255")
                                 .arg(sideKey, kFieldKeys[k])
                                 .arg(i);
                    return false;
                }
                d.values(side, kFields[k])[i] = qint16(v);
            }
        }
        if (f.value("check").isString() && !fillCheck(&d, side, f.value("check").toString(), error))
            return false;
    }

    const char* const optionKeys[3] = {"loopCount", "delay", "wait"};
    qint64 option[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        if (o.contains(optionKeys[i]) &&
            !intIn(o.value(optionKeys[i]), 0, std::numeric_limits<qint32>::max(), &option[i])) {
            *error = QStringLiteral("\"%1\" must be a number 0..2147483647").arg(optionKeys[i]);
            return false;
        }
    }
    comm::CommOptions opts;
    opts.loopForever = option[0] == 0;
    opts.loopText = opts.loopForever ? QString() : QString::number(option[0]);
    opts.noDelay = option[1] == 0;
    opts.delayText = opts.noDelay ? QString() : QString::number(option[1]);
    opts.noWait = option[2] == 0;
    opts.waitText = opts.noWait ? QString() : QString::number(option[2]);

    *def = d;
    *options = opts;
    return true;
}

}  // namespace cli
