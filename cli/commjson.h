#pragma once

#include <QByteArray>
#include <QString>

#include "commdefinition.h"
#include "txlfile.h"

namespace cli {

// The JSON form of a communication that `show` prints and `make` reads, keys in a fixed order.
QByteArray CommToJson(const comm::CommDefinition& def);

// Parses the JSON form into a definition and the window's options (0 = the first option of a
// pair, otherwise the number in its box). False with a message in *error for anything malformed.
bool CommFromJson(const QByteArray& json, comm::CommDefinition* def, comm::CommOptions* options,
                  QString* error);

}  // namespace cli
