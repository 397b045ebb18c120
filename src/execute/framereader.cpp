#include "framereader.h"

#include <cmath>
#include <limits>

#include "linesettings.h"

namespace comm {

namespace {
// A computer hears the line late and in bursts: a USB adapter passes bytes on every 16 ms unless
// told otherwise, the scheduler wakes the program a few milliseconds late, and bytes the driver
// holds are only seen once the event loop reads them. A shorter gap would cut answers apart.
constexpr qint64 kMinGapNs = 20'000'000;
}  // namespace

FrameReader::FrameReader(SerialPort& port, Clock& clock) : port_(port), clock_(clock) {}

void FrameReader::configure(int frameLength, const QVector<int>& start, const ReceiveRules& rules,
                            const QString& settings) {
    length_ = frameLength;
    start_ = start;
    rules_ = rules;
    gapNs_ = 0;
    LineSettings line;
    QString ignored;
    if (rules.gapChars > 0.0 && LineSettings::parse(settings, &line, &ignored))
        gapNs_ = qMax(kMinGapNs, qint64(std::ceil(rules.gapChars * line.bitsPerCharacter() * 1e9 /
                                                  double(line.baudRate))));
    kept_.clear();
    cut_ = {};
}

void FrameReader::clear() {
    port_.clearInput();
    kept_.clear();
    cut_ = {};
}

void FrameReader::pull(qsizetype upTo) {
    while (kept_.size() < upTo && port_.inBufferCount() > 0) {
        const QByteArray more = port_.input();
        if (more.isEmpty()) break;
        kept_.append(more);
        lastByteNs_ = clock_.nowNs();
    }
}

bool FrameReader::frameWaiting() {
    if (!rules_.framed()) return kept_.size() + port_.inBufferCount() >= length_;
    for (;;) {
        pull(length_);
        const bool quiet =
            gapNs_ > 0 && port_.inBufferCount() == 0 && clock_.nowNs() - lastByteNs_ >= gapNs_;
        cut_ = CutFrame(kept_, length_, start_, rules_.sync, quiet);
        if (cut_.drop == 0) return cut_.take > 0;
        kept_.remove(0, cut_.drop);
    }
}

QByteArray FrameReader::take() {
    if (!rules_.framed()) {
        if (kept_.isEmpty()) return port_.input();
        pull(length_);
        cut_ = {0, int(qMin<qsizetype>(length_, kept_.size()))};
    }
    QByteArray frame = kept_.left(cut_.take);
    kept_.remove(0, cut_.take);
    cut_ = {};
    return frame;
}

QByteArray FrameReader::waiting() {
    pull(std::numeric_limits<qsizetype>::max());
    return kept_;
}

int FrameReader::bytesWanted() const {
    if (rules_.framed()) return 1;
    return int(qMax<qsizetype>(1, length_ - kept_.size()));
}

int FrameReader::msUntilQuiet() const {
    if (gapNs_ <= 0 || kept_.isEmpty()) return -1;
    const qint64 left = lastByteNs_ + gapNs_ - clock_.nowNs();
    return left <= 0 ? 0 : int((left + 999999) / 1000000);
}

}  // namespace comm
