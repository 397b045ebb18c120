#pragma once

#include <QList>
#include <QString>
#include <array>

#include "serialdevice.h"

namespace comm {

// Why a port item stands for its device.
enum class PortSource { Variable, Binding, Automatic, None };

// What one of the four port items stands for now.
struct PortChoice {
    int item = 0;    // 1..4
    QString device;  // the path to open; empty when the item has none
    PortSource source = PortSource::None;
    QString bound;        // the binding's text (a stable identity or a path) when source is Binding
    bool listed = false;  // `info` is the discovered device behind `device`
    SerialDevice info;
};

using PortTexts = std::array<QString, 4>;

// The one rule for the four items, each in turn: its RS232_COMn value when not empty; else the
// device the user bound it to (by stable identity, or a typed path), which stands for nothing
// while that device is absent; else the next discovered device (in SortDevices order) that no
// variable or binding has taken. `devices` must be sorted.
std::array<PortChoice, 4> ChoosePorts(const QList<SerialDevice>& devices,
                                      const PortTexts& variables, const PortTexts& bindings);

// "variable", "binding", "automatic", "none" (data, never translated).
QString PortSourceKey(PortSource source);

}  // namespace comm
