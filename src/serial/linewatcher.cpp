#include "linewatcher.h"

#include "serialport.h"

namespace comm {

namespace {
bool grew(quint32 before, quint32 after) {
    return qint32(after - before) > 0;
}
}  // namespace

QList<int> LineEventsBetween(const LineSnapshot& before, const LineSnapshot& after) {
    const bool counters =
        before.hasCounters && after.hasCounters && before.counterSource == after.counterSource;
    const bool lines = before.hasLines && after.hasLines;
    auto counted = [counters](quint32 b, quint32 a) { return counters && grew(b, a); };
    auto changed = [lines](bool b, bool a) { return lines && b != a; };

    QList<int> codes;
    if (counted(before.brk, after.brk)) codes.append(SerialPort::ErBreak);
    if (counted(before.frame, after.frame)) codes.append(SerialPort::ErFrame);
    if (counted(before.overrun, after.overrun)) codes.append(SerialPort::ErOverrun);
    if (counted(before.bufferOverrun, after.bufferOverrun)) codes.append(SerialPort::ErRxOver);
    if (counted(before.parity, after.parity)) codes.append(SerialPort::ErRxParity);
    if (counted(before.dcd, after.dcd) || changed(before.dcdOn, after.dcdOn))
        codes.append(SerialPort::EvCd);
    if (counted(before.cts, after.cts) || changed(before.ctsOn, after.ctsOn))
        codes.append(SerialPort::EvCts);
    if (counted(before.dsr, after.dsr) || changed(before.dsrOn, after.dsrOn))
        codes.append(SerialPort::EvDsr);
    if (counted(before.ring, after.ring) || changed(before.ringOn, after.ringOn))
        codes.append(SerialPort::EvRing);
    return codes;
}

LineState LineStateBetween(const LineSnapshot& first, const LineSnapshot& now) {
    LineState state;
    state.open = true;
    state.linesKnown = now.hasLines;
    if (now.hasLines) {
        state.cts = now.ctsOn;
        state.dsr = now.dsrOn;
        state.dcd = now.dcdOn;
        state.ring = now.ringOn;
    }
    state.errorsKnown = now.hasCounters;
    if (now.hasCounters) {
        // Counters wrap; one that went backwards (a driver reset) counts again from 0.
        const bool base = first.hasCounters;
        auto since = [base](quint32 before, quint32 after) {
            return base && !grew(after, before) ? after - before : after;
        };
        state.framing = since(first.frame, now.frame);
        state.parity = since(first.parity, now.parity);
        state.overrun =
            since(first.overrun, now.overrun) + since(first.bufferOverrun, now.bufferOverrun);
        state.breaks = since(first.brk, now.brk);
    }
    return state;
}

LineWatcher::LineWatcher(QObject* parent) : QObject(parent) {
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &LineWatcher::check);
}

bool LineWatcher::start(qintptr handle) {
    stop();
    LineSnapshot first;
    if (!ReadLineSnapshot(handle, &first)) return false;
    handle_ = handle;
    first_ = first;
    last_ = first;
    active_ = true;
    poll_.start();
    emit stateChanged(state());
    return true;
}

void LineWatcher::stop() {
    poll_.stop();
    active_ = false;
    handle_ = -1;
}

void LineWatcher::check() {
    if (!active_) return;
    LineSnapshot now;
    if (!ReadLineSnapshot(handle_, &now)) {
        // The device stopped answering; the port reports the loss through its own read errors.
        stop();
        return;
    }
    const QList<int> codes = LineEventsBetween(last_, now);
    const LineState before = state();
    last_ = now;
    const LineState after = state();
    if (after != before) emit stateChanged(after);
    for (int code : codes) emit lineEvent(code);
}

LineState LineWatcher::state() const {
    return active_ ? LineStateBetween(first_, last_) : LineState();
}

}  // namespace comm
