#include "jsonwriter.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace cli {

namespace {
// QJsonDocument only writes arrays and objects: one value is an array of one, unwrapped.
QByteArray Compact(const QJsonValue& value) {
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}
}  // namespace

JsonWriter& JsonWriter::add(const QString& key, const QJsonValue& value) {
    return addRaw(key, Compact(value));
}

JsonWriter& JsonWriter::add(const QString& key, const JsonWriter& object) {
    return addRaw(key, object.toJson());
}

JsonWriter& JsonWriter::add(const QString& key, const QList<JsonWriter>& objects) {
    QByteArray array = "[";
    for (const JsonWriter& object : objects) {
        if (array.size() > 1) array += ',';
        array += object.toJson();
    }
    return addRaw(key, array + ']');
}

JsonWriter& JsonWriter::addRaw(const QString& key, const QByteArray& json) {
    if (!members_.isEmpty()) members_ += ',';
    members_ += Compact(key) + ':' + json;
    return *this;
}

QByteArray JsonWriter::toJson() const {
    return '{' + members_ + '}';
}

}  // namespace cli
