#include "randombytes.h"

#include <QRandomGenerator>

QByteArray RandomBytes(int n, quint32 seed) {
    QRandomGenerator gen(seed);
    QByteArray bytes(n, Qt::Uninitialized);
    for (int i = 0; i < n; ++i) bytes[i] = char(gen.bounded(256));
    return bytes;
}
