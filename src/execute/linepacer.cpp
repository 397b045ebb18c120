#include "linepacer.h"

#include <algorithm>

#include "linesettings.h"

namespace comm {

LinePacer::LinePacer(const QString& settings, int bufferBytes) {
    LineSettings line;
    QString error;
    if (!LineSettings::parse(settings, &line, &error)) return;
    charNs_ = line.bitsPerCharacter() * 1e9 / line.baudRate;
    bufferNs_ = charNs_ * std::max(bufferBytes, 1);
}

void LinePacer::reset(qint64 nowNs) {
    lineFreeAtNs_ = double(nowNs);
}

qint64 LinePacer::waitNs(qint64 nowNs) const {
    // Once the buffer is full, wait until half of it has gone: fewer wake-ups, and the line
    // still never runs dry.
    const double backlog = lineFreeAtNs_ - double(nowNs);
    return backlog > bufferNs_ ? qint64(backlog - bufferNs_ / 2) + 1 : 0;
}

void LinePacer::sent(int bytes, qint64 nowNs) {
    lineFreeAtNs_ = std::max(lineFreeAtNs_, double(nowNs)) + charNs_ * bytes;
}

}  // namespace comm
