// The port contract, run against the in-memory port.
#include <QtTest>

#include "memoryserialport.h"
#include "serialcontract.h"

namespace {
class MemoryRig : public PortRig {
public:
    comm::SerialPort& port() override { return port_; }
    void occupy(bool taken) override { port_.setBusy(taken); }
    void farSend(const QByteArray& bytes) override { port_.inject(bytes); }
    QByteArray farReceived() override { return port_.written(); }
    void farClose() override { port_.vanish(QStringLiteral("far end closed")); }

private:
    comm::MemorySerialPort port_;
};
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SerialContractTest test([] { return std::make_unique<MemoryRig>(); });
    return QTest::qExec(&test, argc, argv);
}
