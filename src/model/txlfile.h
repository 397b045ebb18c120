#pragma once

#include <QByteArray>
#include <QString>

#include "commdefinition.h"
#include "commoptions.h"

namespace comm {

// The file dialogs' filter of communication files, in the "name|pattern|..." form.
QString TxlFilter();
// What opening says of a file that is no communication file, and of one that is not there.
QString WrongFormatMessage();
QString MissingFileMessage();

// Length of a communication file without its value block.
constexpr int kTxlHeaderSize = 23;
// A file far larger than any communication (a few kilobytes) is not one, whatever its name.
constexpr qint64 kTxlMaxFileSize = qint64(1024) * 1024;

// The bytes of a communication file. With values, the value block follows the header.
QByteArray EncodeCommFile(const CommDefinition& def, const OptionValues& options, bool withValues);

enum class ReadStatus { Ok, Missing, WrongFormat, Unreadable };

// Fills the reader's fields of *def from file bytes. On anything but Ok *def is unchanged.
ReadStatus DecodeCommFile(const QByteArray& bytes, CommDefinition* def);

// Reads a communication file; *error gets the message to show when the result is not Ok.
ReadStatus ReadCommFile(const QString& path, CommDefinition* def, QString* error);

// Writes a communication file as a save from the document window does, through a temporary file
// in the same folder so an interrupted save never destroys the file that was there. Updates
// *options as ResolveFileOptions does. Returns false with a message in *error when writing failed.
bool WriteCommFile(const QString& path, const CommDefinition& def, CommOptions* options,
                   bool withValues, QString* error);

}  // namespace comm
