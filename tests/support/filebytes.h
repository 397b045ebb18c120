#pragma once

#include <QByteArray>
#include <QString>

// The whole contents of the file at path; empty when it cannot be read.
QByteArray ReadWholeFile(const QString& path);

// Replaces the file at path with bytes; false when it could not be written whole.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);
