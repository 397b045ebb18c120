#include "uartmodel.h"

#include <algorithm>

namespace comm {

namespace {

double bitNs(const LineSettings& s) {
    return 1e9 / double(s.baudRate);
}

int mask(int dataBits) {
    return (1 << dataBits) - 1;
}

bool oddOnes(int value) {
    bool odd = false;
    for (; value; value &= value - 1) odd = !odd;
    return odd;
}

// The parity bit that goes with `data`.
bool parityBit(Parity parity, int data) {
    return parity == Parity::Odd ? !oddOnes(data) : oddOnes(data);
}

double stopLength(StopBits stop) {
    switch (stop) {
        case StopBits::OneAndHalf:
            return 1.5;
        case StopBits::Two:
            return 2.0;
        case StopBits::One:
            break;
    }
    return 1.0;
}

}  // namespace

UartLine::UartLine(const LineSettings& device, const LineSettings& receiver)
    : device_(device), receiver_(receiver) {}

void UartLine::setReceiver(const LineSettings& receiver, qint64 nowNs) {
    receiver_ = receiver;
    searchFrom_ = std::max(searchFrom_, double(nowNs));
    waitForHigh_ = false;
    lowIsStart_ = false;
    pendingNs_ = -1;
}

qint64 UartLine::send(quint8 byte, qint64 atNs) {
    const double bit = bitNs(device_);
    const int data = byte & mask(device_.dataBits);
    QList<bool> levels{false};
    for (int i = 0; i < device_.dataBits; ++i) levels.append((data >> i) & 1);
    if (device_.parity != Parity::None) levels.append(parityBit(device_.parity, data));
    double t = std::max(double(atNs), lineFree_);
    for (const bool high : levels) {
        if (high != sentHigh_) edges_.push_back({t, high});
        sentHigh_ = high;
        t += bit;
    }
    if (!sentHigh_) edges_.push_back({t, true});
    sentHigh_ = true;
    lineFree_ = t + stopLength(device_.stopBits) * bit;
    return qint64(lineFree_);
}

bool UartLine::levelAt(double ns) const {
    // The last edge at or before ns decides.
    auto after = std::upper_bound(edges_.begin(), edges_.end(), ns,
                                  [](double t, const Edge& e) { return t < e.atNs; });
    return after == edges_.begin() ? levelBeforeEdges_ : std::prev(after)->high;
}

double UartLine::edgeAfter(double ns, bool high) const {
    auto from = std::lower_bound(edges_.begin(), edges_.end(), ns,
                                 [](const Edge& e, double t) { return e.atNs < t; });
    for (auto it = from; it != edges_.end(); ++it)
        if (it->high == high) return it->atNs;
    return -1.0;
}

void UartLine::forgetBefore(double ns) {
    while (!edges_.empty() && edges_.front().atNs < ns) {
        levelBeforeEdges_ = edges_.front().high;
        edges_.pop_front();
    }
}

QList<UartReceived> UartLine::receiveUntil(qint64 nowNs) {
    const double now = double(nowNs);
    const double bit = bitNs(receiver_);
    const int dataBits = receiver_.dataBits;
    const bool hasParity = receiver_.parity != Parity::None;
    QList<UartReceived> out;
    pendingNs_ = -1;
    for (;;) {
        if (waitForHigh_) {
            const double high = levelAt(searchFrom_) ? searchFrom_ : edgeAfter(searchFrom_, true);
            if (high < 0 || high > now) break;
            waitForHigh_ = false;
            searchFrom_ = high;
        }
        double start;
        const bool lowStart = lowIsStart_ && !levelAt(searchFrom_);
        if (lowStart) {
            start = searchFrom_ - bit / 2;
        } else {
            start = edgeAfter(searchFrom_, false);
            if (start < 0) break;
            if (start > now) {
                pendingNs_ = qint64(start + (1.5 + dataBits + (hasParity ? 1 : 0)) * bit);
                break;
            }
        }
        lowIsStart_ = false;
        const double decision = start + (1.5 + dataBits + (hasParity ? 1 : 0)) * bit;
        if (start + bit / 2 > now || decision > now) {
            pendingNs_ = qint64(decision);
            lowIsStart_ = lowStart;
            break;
        }
        if (levelAt(start + bit / 2)) {
            searchFrom_ = start + bit / 2;  // a glitch, not a start bit
            continue;
        }
        int data = 0;
        for (int i = 0; i < dataBits; ++i)
            if (levelAt(start + (1.5 + i) * bit)) data |= 1 << i;
        const bool parity = hasParity && levelAt(start + (1.5 + dataBits) * bit);
        const bool stop = levelAt(decision);
        UartReceived r;
        r.atNs = qint64(decision);
        if (data == 0 && !parity && !stop) {
            r.kind = UartReceived::Kind::Break;
            waitForHigh_ = true;
        } else if (hasParity && parity != parityBit(receiver_.parity, data)) {
            r.kind = UartReceived::Kind::ParityError;
            lowIsStart_ = !stop;
        } else if (!stop) {
            r.kind = UartReceived::Kind::FramingError;
            lowIsStart_ = true;
        } else {
            r.value = quint8(data);
        }
        out.append(r);
        searchFrom_ = decision;
    }
    forgetBefore(std::min(searchFrom_, now) - 2 * bit);
    return out;
}

QList<UartReceived> ReceiveThroughUart(const LineSettings& device, const QByteArray& bytes,
                                       const LineSettings& receiver) {
    UartLine line(device, receiver);
    for (const char byte : bytes) line.send(quint8(byte), 0);
    // Long enough for the slowest receiver to finish a character begun at the very end.
    const double tail = 2 * 13 * 1e9 / double(std::min(device.baudRate, receiver.baudRate));
    return line.receiveUntil(line.lineFreeNs() + qint64(tail));
}

UartDelivery Deliver(const QList<UartReceived>& received) {
    UartDelivery d;
    for (const UartReceived& r : received) {
        switch (r.kind) {
            case UartReceived::Kind::Byte:
                d.bytes.append(char(r.value));
                break;
            case UartReceived::Kind::Break:
                d.bytes.append('\0');
                ++d.errors.brk;
                break;
            case UartReceived::Kind::ParityError:
                ++d.errors.parity;
                break;
            case UartReceived::Kind::FramingError:
                ++d.errors.frame;
                break;
        }
    }
    return d;
}

}  // namespace comm
