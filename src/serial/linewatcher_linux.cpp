#include <linux/serial.h>
#include <sys/ioctl.h>

#include "linecounterfile.h"
#include "linewatcher.h"

namespace comm {

bool ReadLineSnapshot(qintptr handle, LineSnapshot* snapshot) {
    const int fd = int(handle);
    LineSnapshot s;
    serial_icounter_struct counters{};
    if (::ioctl(fd, TIOCGICOUNT, &counters) == 0) {
        s.hasCounters = true;
        s.cts = quint32(counters.cts);
        s.dsr = quint32(counters.dsr);
        s.ring = quint32(counters.rng);
        s.dcd = quint32(counters.dcd);
        s.frame = quint32(counters.frame);
        s.overrun = quint32(counters.overrun);
        s.parity = quint32(counters.parity);
        s.brk = quint32(counters.brk);
        s.bufferOverrun = quint32(counters.buf_overrun);
    } else {
        // A pseudo-terminal has no counters; a simulator playing a UART on it may publish them.
        ReadLineCounterFile(LineCounterFile(fd), LineCounterSourceOf(fd), &s);
    }
    int lines = 0;
    if (::ioctl(fd, TIOCMGET, &lines) == 0) {
        s.hasLines = true;
        s.ctsOn = lines & TIOCM_CTS;
        s.dsrOn = lines & TIOCM_DSR;
        s.dcdOn = lines & TIOCM_CD;
        s.ringOn = lines & TIOCM_RI;
    }
    if (!s.hasCounters && !s.hasLines) return false;
    *snapshot = s;
    return true;
}

void TellLineSimulator(const QString& device, const LineSettings& settings) {
    PublishAppliedSettings(LineCounterFileOfPath(device), settings);
}

}  // namespace comm
