#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QString>

namespace cli {

// One compact JSON object with its keys in the order they are added, for output people read as
// well as programs (QJsonObject would sort the keys). Keys and values are written by
// QJsonDocument, so escaping and numbers follow it.
class JsonWriter {
public:
    JsonWriter& add(const QString& key, const QJsonValue& value);
    JsonWriter& add(const QString& key, const JsonWriter& object);
    JsonWriter& add(const QString& key, const QList<JsonWriter>& objects);
    QByteArray toJson() const;

private:
    JsonWriter& addRaw(const QString& key, const QByteArray& json);

    QByteArray members_;
};

}  // namespace cli
