#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "serialport.h"

// One implementation of SerialPort on a test bench: the port under test (port number 1, closed) and
// the far end of its line.
class PortRig {
public:
    virtual ~PortRig() = default;
    virtual comm::SerialPort& port() = 0;
    // Another user takes (true) or gives back (false) the device.
    virtual void occupy(bool taken) = 0;
    virtual void farSend(const QByteArray& bytes) = 0;
    // Every byte the far end has got so far.
    virtual QByteArray farReceived() = 0;
    // The far end goes away for good (unplugged, far end of the line closed).
    virtual void farClose() = 0;
};

// The behaviour every SerialPort owes its engines, run against each implementation.
class SerialContractTest : public QObject {
    Q_OBJECT
public:
    explicit SerialContractTest(std::function<std::unique_ptr<PortRig>()> makeRig)
        : makeRig_(std::move(makeRig)) {}

private slots:
    void init();
    void cleanup();

    void openAndClose();
    void settingsAndPortReadBackAsSet();
    void refusedSettingsFailTheOpen_data();
    void refusedSettingsFailTheOpen();
    void portNumberOutOfRangeFailsTheOpen_data();
    void portNumberOutOfRangeFailsTheOpen();
    void busyDeviceFailsTheOpenUntilFreed();
    void everyByteValueBothWays();
    void bytesWrittenJustBeforeACloseStillGoOut();
    void inputLenLimitsARead_data();
    void inputLenLimitsARead();
    void closedPortAcceptsInputLenAndDiscard();
    void discardWhileClosedHoldsAfterOpen();
    void discardWhileOpenDropsWaitingBytes();
    void readyReadComesFromTheEventLoop();
    void vanishingFarEndClosesAndReportsOnce();

private:
    std::function<std::unique_ptr<PortRig>()> makeRig_;
    std::unique_ptr<PortRig> rig_;
};
