#pragma once

#include <QString>

namespace comm {

// The document window's first line for a communication kind 1..4; empty for anything else.
QString KindLine(int kind);

}  // namespace comm
