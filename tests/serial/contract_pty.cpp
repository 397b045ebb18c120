// The port contract, run against the QSerialPort back end over a pseudo-terminal.
#include <QTemporaryDir>
#include <QtTest>

#include "ptyline.h"
#include "qtserialportbackend.h"
#include "serialcontract.h"

namespace {
class PtyRig : public PortRig {
public:
    // The port goes through a link that vanishes with the far end, as the node of an unplugged
    // adapter does: the slave's own number may be handed to another test's pseudo-terminal at
    // once, and a reopen would find that one.
    PtyRig() : link_(dir_.filePath(QStringLiteral("ttyS"))) {
        QFile::link(line_.slavePath(), link_);
        qputenv("RS232_COM1", link_.toLocal8Bit());
        port_.setCommPort(1);
    }
    comm::SerialPort& port() override { return port_; }
    void occupy(bool taken) override {
        if (taken) {
            other_.setCommPort(1);
            QVERIFY(other_.setPortOpen(true));
        } else {
            other_.setPortOpen(false);
        }
    }
    void farSend(const QByteArray& bytes) override { line_.send(bytes); }
    QByteArray farReceived() override { return line_.received(); }
    void farClose() override {
        line_.hangUp();
        QFile::remove(link_);
    }

private:
    PtyLine line_;
    QTemporaryDir dir_;
    QString link_;
    comm::QtSerialPortBackend port_;
    comm::QtSerialPortBackend other_;
};
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SerialContractTest test([] { return std::make_unique<PtyRig>(); });
    return QTest::qExec(&test, argc, argv);
}
