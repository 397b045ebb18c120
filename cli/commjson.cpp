#include "commjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <limits>
#include <optional>

#include "commkind.h"
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
    const std::optional<comm::Checksum> name = def.checkName(side);
    out.add(QStringLiteral("checkName"),
            name ? QJsonValue(QLatin1String(comm::ChecksumOf(*name).name))
                 : QJsonValue(QJsonValue::Null));
    return out;
}

bool intIn(const QJsonValue& v, qint64 lo, qint64 hi, qint64* out) {
    if (!v.isDouble()) return false;
    const double d = v.toDouble();
    if (d != double(qint64(d)) || d < double(lo) || d > double(hi)) return false;
    *out = qint64(d);
    return true;
}

const char* SideKey(FrameSide side) {
    return side == FrameSide::Send ? "send" : "recv";
}

QString ChecksumNames() {
    QStringList names;
    for (const comm::ChecksumInfo& c : comm::Checksums()) names << QLatin1String(c.name);
    return names.join(QStringLiteral(", "));
}

// The port settings from "settings", "portSettingIndex" or both when they agree.
bool readSettings(const QJsonObject& o, CommDefinition* d, QString* error) {
    std::optional<comm::SettingIndexes> fromText;
    if (o.contains("settings")) {
        const auto line = comm::LineSettings::fromListedText(o.value("settings").toString());
        if (!line) {
            *error = QStringLiteral("\"settings\" must be listed settings such as \"9600,N,8,1\"");
            return false;
        }
        fromText = line->indexes();
    }
    std::optional<comm::SettingIndexes> fromIndex;
    if (o.contains("portSettingIndex")) {
        const QJsonArray index = o.value("portSettingIndex").toArray();
        const qint64 indexMax[4] = {12, 4, 2, 2};
        if (index.size() != 4) {
            *error = QStringLiteral("\"portSettingIndex\" must hold four indexes");
            return false;
        }
        comm::SettingIndexes read{};
        for (int i = 0; i < 4; ++i) {
            qint64 v = 0;
            if (!intIn(index[i], 0, indexMax[i], &v)) {
                *error = QStringLiteral("\"portSettingIndex\"[%1] must be 0..%2")
                             .arg(i)
                             .arg(indexMax[i]);
                return false;
            }
            read[i] = qint16(v);
        }
        fromIndex = read;
    }
    if (!fromText && !fromIndex) {
        *error = QStringLiteral("give the port settings as \"settings\" (\"9600,N,8,1\")");
        return false;
    }
    if (fromText && fromIndex && *fromText != *fromIndex) {
        *error = QStringLiteral("\"settings\" %1 and \"portSettingIndex\" (%2) disagree")
                     .arg(o.value("settings").toString(),
                          comm::LineSettings::fromIndexes(*fromIndex)->text());
        return false;
    }
    return d->setPortSettings(fromText ? *fromText : *fromIndex);
}

// The checksum a side names: "checkName", or a name standing in place of its check bytes.
bool readCheckName(const QJsonObject& f, FrameSide side, std::optional<comm::Checksum>* name,
                   QString* error) {
    QStringList given;
    for (const char* key : {"checkName", "check"})
        if (f.value(key).isString()) given << f.value(key).toString();
    if (given.isEmpty()) return true;
    if (given.size() == 2 && given[0] != given[1]) {
        *error = QStringLiteral("\"%1\": \"checkName\" %2 and \"check\" %3 disagree")
                     .arg(QLatin1String(SideKey(side)), given[0], given[1]);
        return false;
    }
    const comm::ChecksumInfo* info = comm::FindChecksum(given[0]);
    if (!info) {
        *error = QStringLiteral("\"%1\": no checksum \"%2\" (one of %3)")
                     .arg(QLatin1String(SideKey(side)), given[0], ChecksumNames());
        return false;
    }
    *name = info->kind;
    return true;
}

// How many bytes a field's list gives when the counts are left out.
int listedCount(const QJsonObject& f, Field field, std::optional<comm::Checksum> name) {
    const QJsonValue v = f.value(kFieldKeys[static_cast<int>(field)]);
    if (v.isArray()) return int(v.toArray().size());
    if (field == Field::Check && name) return comm::ChecksumOf(*name).bytes;
    return 0;
}

bool readCounts(const QJsonObject& o, const std::array<std::optional<comm::Checksum>, 2>& names,
                CommDefinition* d, QString* error) {
    if (!o.contains("counts")) {
        for (FrameSide side : {FrameSide::Send, FrameSide::Recv}) {
            const QJsonObject f = o.value(SideKey(side)).toObject();
            for (Field field : kFields) {
                const int n = listedCount(f, field, names[int(side)]);
                const int cap = qMin(CommDefinition::capacity(field), 255);
                if (n > cap) {
                    *error = QStringLiteral("\"%1\".\"%2\" holds %3 values, at most %4")
                                 .arg(QLatin1String(SideKey(side)),
                                      QLatin1String(kFieldKeys[int(field)]))
                                 .arg(n)
                                 .arg(cap);
                    return false;
                }
                d->FrameFieldCount[CommDefinition::countIndex(side, field)] = qint16(n);
            }
        }
        return true;
    }
    const QJsonArray counts = o.value("counts").toArray();
    if (counts.size() != 8) {
        *error = QStringLiteral("\"counts\" must hold eight counts");
        return false;
    }
    for (int i = 0; i < 8; ++i) {
        const int cap = qMin(CommDefinition::capacity(kFields[i % 4]), 255);
        qint64 v = 0;
        if (!intIn(counts[i], 0, cap, &v)) {
            *error = QStringLiteral("\"counts\"[%1] must be 0..%2").arg(i).arg(cap);
            return false;
        }
        d->FrameFieldCount[i] = qint16(v);
    }
    return true;
}

bool readValues(const QJsonObject& f, FrameSide side, Field field, CommDefinition* d,
                QString* error) {
    const char* sideKey = SideKey(side);
    const char* key = kFieldKeys[static_cast<int>(field)];
    const QJsonValue given = f.value(key);
    const int n = d->count(side, field);
    // A checksum's name stands for the check bytes; they are filled in from the data later.
    if (field == Field::Check && given.isString()) return true;
    const QJsonArray values = given.toArray();
    if (values.size() != n) {
        *error = QStringLiteral("\"%1\".\"%2\" must hold %3 values").arg(sideKey, key).arg(n);
        return false;
    }
    for (int i = 0; i < n; ++i) {
        qint64 v = 0;
        if (!intIn(values[i], -1, 255, &v)) {
            *error = QStringLiteral("\"%1\".\"%2\"[%3] must be -1..255").arg(sideKey, key).arg(i);
            return false;
        }
        d->values(side, field)[i] = qint16(v);
    }
    return true;
}

// A named checksum's bytes follow from the data when every data byte is entered; given check
// bytes must then be those. With data not all entered the check bytes stay as given.
bool applyCheckName(CommDefinition* d, FrameSide side, bool checkGiven, QString* error) {
    const std::optional<comm::Checksum> name = d->checkName(side);
    if (!name) return true;
    const comm::ChecksumInfo& info = comm::ChecksumOf(*name);
    const QString sideKey = QLatin1String(SideKey(side));
    CommDefinition filled = *d;
    switch (comm::FillFrameChecksum(&filled, side, *name)) {
        case comm::ChecksumFill::Written:
            break;
        case comm::ChecksumFill::DataIncomplete:
            if (d->count(side, Field::Check) >= info.bytes) return true;
            [[fallthrough]];
        case comm::ChecksumFill::NoCheckField:
        case comm::ChecksumFill::TooLong:
            *error =
                QStringLiteral("\"%1\".\"check\": %2 gives %3 bytes, the checksum field has %4")
                    .arg(sideKey, QLatin1String(info.name))
                    .arg(info.bytes)
                    .arg(d->count(side, Field::Check));
            return false;
    }
    const qint16* was = d->values(side, Field::Check);
    const qint16* now = filled.values(side, Field::Check);
    if (checkGiven && !std::equal(was, was + d->count(side, Field::Check), now)) {
        *error = QStringLiteral("\"%1\".\"check\" is not the %2 of the data bytes")
                     .arg(sideKey, QLatin1String(info.name));
        return false;
    }
    *d = filled;
    return true;
}

bool readFrames(const QJsonObject& o, CommDefinition* d, QString* error) {
    const comm::CommKindRules& rules = comm::KindRules(d->CommKind);
    std::array<std::optional<comm::Checksum>, 2> names{};
    for (FrameSide side : {FrameSide::Send, FrameSide::Recv}) {
        // A receive frame given only by its counts takes any bytes; a send frame needs its bytes.
        const bool needed =
            side == FrameSide::Send ? rules.sends : rules.receives && !o.contains("counts");
        const QJsonValue f = o.value(SideKey(side));
        if (f.isUndefined() && !needed) continue;
        if (!f.isObject()) {
            *error = QStringLiteral("\"%1\" must be an object holding the frame of kind %2")
                         .arg(QLatin1String(SideKey(side)))
                         .arg(d->CommKind);
            return false;
        }
        if (!readCheckName(f.toObject(), side, &names[int(side)], error)) return false;
    }
    if (!readCounts(o, names, d, error)) return false;
    d->clearCountedValues();
    d->FrameCheckName = names;
    for (FrameSide side : {FrameSide::Send, FrameSide::Recv}) {
        if (!o.value(SideKey(side)).isObject()) continue;
        const QJsonObject f = o.value(SideKey(side)).toObject();
        const bool countsGiven = o.contains("counts");
        for (Field field : kFields)
            if ((countsGiven || f.contains(kFieldKeys[int(field)])) &&
                !readValues(f, side, field, d, error))
                return false;
        if (!applyCheckName(d, side, f.value("check").isArray(), error)) return false;
    }
    return true;
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
    if (!readSettings(o, &d, error) || !readFrames(o, &d, error)) return false;

    const char* const optionKeys[3] = {"loopCount", "delay", "wait"};
    qint64 option[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        if (o.contains(optionKeys[i]) &&
            !intIn(o.value(optionKeys[i]), 0, std::numeric_limits<qint32>::max(), &option[i])) {
            // A negative delay or limit would silently mean none; say so instead.
            *error = QStringLiteral("\"%1\" must be a number 0..2147483647 (0 for none)")
                         .arg(optionKeys[i]);
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
