#include "framing.h"

namespace comm {

namespace {

// Whether the bytes from `at` on agree with the pattern as far as both go.
bool StartsHere(const QByteArray& bytes, int at, const QVector<int>& start) {
    for (int i = 0; i < start.size() && at + i < bytes.size(); ++i)
        if (start[i] >= 0 && start[i] != quint8(bytes[at + i])) return false;
    return true;
}

}  // namespace

FrameCut CutFrame(const QByteArray& pending, int frameLength, const QVector<int>& start, bool sync,
                  bool quiet) {
    FrameCut cut;
    const int size = int(pending.size());
    if (sync)
        while (cut.drop < size && !StartsHere(pending, cut.drop, start)) ++cut.drop;
    const int rest = size - cut.drop;
    if (rest >= frameLength)
        cut.take = frameLength;
    else if (quiet && rest > 0)
        cut.take = rest;
    return cut;
}

}  // namespace comm
