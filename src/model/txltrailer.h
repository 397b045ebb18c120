#pragma once

#include <QByteArray>

#include "commdefinition.h"

namespace comm {

// What a communication file keeps beyond the fixed record: the checksum each frame names. It
// follows the value block as a tagged, versioned, checksummed trailer, because readers of the
// record ignore what follows its last value; a definition without names writes no trailer, so
// its file stays byte for byte the plain record.

// Enough for any trailer a reader of this version takes.
constexpr int kMaxTrailerSize = 6 + 255 + 2;

// The trailer for def's names; empty when neither frame names a checksum.
QByteArray EncodeCheckNames(const CommDefinition& def);

// Reads a trailer starting at `at` into *names. False, leaving *names as it was, when the bytes
// there are not one whole valid trailer of a version this reader knows.
bool DecodeCheckNames(const QByteArray& bytes, qsizetype at,
                      std::array<std::optional<Checksum>, 2>* names);

}  // namespace comm
