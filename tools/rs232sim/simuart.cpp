#include "simuart.h"

#include <unistd.h>

#include <QFile>

#include "linecounterfile.h"
#include "pacedwriter.h"
#include "seensettings.h"

namespace rs232sim {

namespace {
// What the program's end holds unread before characters are lost, as a driver's buffer overflows.
constexpr int kReceiveBuffer = 4096;

}  // namespace

SimUart::SimUart(int master, const comm::LineSettings& device, QObject* parent)
    : QObject(parent),
      master_(master),
      device_(device),
      line_(device, ReceiverOfTerminal(master, device)),
      out_(new PacedWriter(master, 0, this)),
      counterFile_(comm::LineCounterFile(master)) {
    // Asked before anyone can answer: what a program published to an earlier simulator is gone.
    comm::AskForAppliedSettings(counterFile_);
    clock_.start();
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    connect(&wake_, &QTimer::timeout, this, &SimUart::receive);
    // Published at once, so a program opening the line knows it can tell errors.
    publish();
}

SimUart::~SimUart() {
    if (counterFile_.isEmpty()) return;
    QFile::remove(counterFile_);
    QFile::remove(comm::AppliedSettingsFile(counterFile_));
}

void SimUart::publish() {
    if (!counterFile_.isEmpty()) comm::WriteLineCounterFile(counterFile_, counts_);
}

qint64 SimUart::backlogNs() const {
    return qMax<qint64>(0, line_.lineFreeNs() - clock_.nsecsElapsed());
}

comm::LineSettings SimUart::programReceiver() const {
    const comm::LineSettings seen = ReceiverOfTerminal(master_, device_);
    comm::LineSettings applied;
    return comm::ReadAppliedSettings(counterFile_, &applied) ? ReceiverApplied(seen, applied)
                                                             : seen;
}

bool SimUart::followProgramSettings(qint64 nowNs) {
    const comm::LineSettings receiver = programReceiver();
    if (receiver == line_.receiver()) return false;
    line_.setReceiver(receiver, nowNs);
    return true;
}

void SimUart::send(const QByteArray& bytes) {
    const qint64 now = clock_.nsecsElapsed();
    followProgramSettings(now);
    for (const char byte : bytes) line_.send(quint8(byte), now);
    receive();
}

void SimUart::receive() {
    const qint64 now = clock_.nsecsElapsed();
    // The program applies its settings when it opens its port: a character under way then is
    // garbled or lost, as on a real line.
    followProgramSettings(now);
    const comm::LineSettings& r = line_.receiver();
    const quint64 source = comm::LineCounterSource(r.baudRate, r.stopBits == comm::StopBits::Two,
                                                   r.parity == comm::Parity::Odd);
    comm::LineSnapshot& counts = counts_[source];
    const comm::LineSnapshot before = counts;
    QByteArray bytes;
    for (const comm::UartReceived& got : line_.receiveUntil(now)) {
        switch (got.kind) {
            case comm::UartReceived::Kind::Break:
                ++counts.brk;
                bytes.append('\0');
                break;
            case comm::UartReceived::Kind::Byte:
                bytes.append(char(got.value));
                break;
            case comm::UartReceived::Kind::ParityError:
                ++counts.parity;
                break;
            case comm::UartReceived::Kind::FramingError:
                ++counts.frame;
                break;
        }
    }
    // Bytes taken in under settings the program has just left would reach its newly opened port
    // after it discarded its input; a real port has dropped them by then.
    if (!bytes.isEmpty() && !followProgramSettings(now)) deliver(bytes);
    if (counts.frame != before.frame || counts.parity != before.parity ||
        counts.brk != before.brk || counts.bufferOverrun != before.bufferOverrun)
        publish();
    qint64 next = line_.nextDecisionNs();
    if (next < 0 && line_.lineFreeNs() > now) next = line_.lineFreeNs();
    if (next < 0) return;
    wake_.start(int(qMax<qint64>(0, next - now + 999999) / 1000000));
}

void SimUart::deliver(const QByteArray& bytes) {
    qsizetype done = 0;
    if (out_->queued() == 0) {
        const ssize_t n = ::write(master_, bytes.constData(), size_t(bytes.size()));
        done = n > 0 ? n : 0;
    }
    // What the terminal cannot take now waits, up to what a driver's buffer holds; the rest is
    // lost and counted, as an overflowing receive buffer is.
    const comm::LineSettings& r = line_.receiver();
    comm::LineSnapshot& counts = counts_[comm::LineCounterSource(
        r.baudRate, r.stopBits == comm::StopBits::Two, r.parity == comm::Parity::Odd)];
    for (qsizetype i = done; i < bytes.size(); ++i) {
        if (out_->queued() < kReceiveBuffer)
            out_->put(bytes[i]);
        else
            ++counts.bufferOverrun;
    }
}

}  // namespace rs232sim
