#pragma once

#include <QByteArray>

namespace comm {

// Bytes that own an allocation of their own size. A read from a buffered device may hand back a
// whole block of its buffer (tens of kilobytes) when it takes all of it; a frame or record that
// keeps such bytes would hold the block for as long as it lives.
inline QByteArray OwnedBytes(const QByteArray& bytes) {
    // A few bytes of slack are what any allocation has; only a block far larger is let go.
    if (bytes.capacity() <= bytes.size() + 64) return bytes;
    return QByteArray(bytes.constData(), bytes.size());
}

}  // namespace comm
