#pragma once

#include <QByteArray>

// n bytes of every value, the same ones for the same seed, so a failing case can be run again.
QByteArray RandomBytes(int n, quint32 seed);
