#pragma once

#include <QString>

// A program of this build (comm-cli, rs232sim): COMM_BIN_DIR/name, else the one beside the
// running test or benchmark, else the one in the folder above it.
QString BuiltProgram(const QString& name);
